// The title text.
#include "planfile/PlanTitle.h"

#include "model/Plan.h"
#include "texts/Parlance.h"

#include <QFileInfo>

QString PlanTitle(const TThePlan& plan, const TitleState& state) {
    QString title = plan.Master.Handle;
    if (title.isEmpty()) {
        const QFileInfo file(plan.FileName);
        title = file.fileName();
        if (!plan.Untitled)
            title += QStringLiteral(" [") + file.absolutePath() + QLatin1Char(']');
    }
    title += QStringLiteral(" - ") + Text(42);
    if (plan.Modified())
        title.prepend(QStringLiteral("* "));
    if (!state.normalMode)
        title += QLatin1Char(' ') + Text(96);
    if (!state.renderProgress.isEmpty()) {
        QStringList parts;
        for (const QString& progress : state.renderProgress)
            parts.append(progress + QLatin1Char('%'));
        title += QStringLiteral(" [") + Text(219) + QStringLiteral(": ") +
                 parts.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    return title;
}

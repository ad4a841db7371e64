// Who the save question says began the changes, whatever the environment tells of the user.
#include "app/SaveQuestionWords.h"
#include "common/TempDir.h"
#include "model/Arrangement.h"
#include "support/FaultLog.h"
#include "support/WideMemIniFile.h"
#include "texts/Parlance.h"

#include <gtest/gtest.h>

#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace {

// Sets or clears an environment variable for the test and gives the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvironmentValue() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

class SaveQuestionUser : public ::testing::Test {
protected:
    SaveQuestionUser() {
        FreeParlance();
        faultlog::SetFolder(dir.path());
        TWideMemIniFile settings(QString{});
        settings.SetText("[Main]\nLanguages=English\nLanguageCodes=en\n");
        LoadParlance(settings, QString(GBX_SOURCE_DIR) + "/data/");
        arrangement.plan.SetModified(64, true);
    }
    ~SaveQuestionUser() override { FreeParlance(); }

    QString content() {
        return SaveQuestionTextsFor(arrangement.plan, QDateTime::currentDateTime(), false).content;
    }

    TempDir dir;
    Arrangement arrangement;
};

TEST_F(SaveQuestionUser, NamesTheUserFromTheEnvironmentElseFromThePasswordDatabase) {
    {
        const EnvironmentValue user("USER", "ada");
        const EnvironmentValue logname("LOGNAME", "other");
        EXPECT_TRUE(content().startsWith("Begun by ada, ")) << content().toStdString();
    }
    {
        const EnvironmentValue user("USER", QByteArray(""));
        const EnvironmentValue logname("LOGNAME", "grace");
        EXPECT_TRUE(content().startsWith("Begun by grace, ")) << content().toStdString();
    }
    // A service or a cleaned environment: neither variable.
    const EnvironmentValue user("USER", QByteArray());
    const EnvironmentValue logname("LOGNAME", QByteArray());
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    const QString name = QFile::decodeName(entry->pw_name);
    ASSERT_FALSE(name.isEmpty());
    EXPECT_TRUE(content().startsWith("Begun by " + name + ", ")) << content().toStdString();
}

} // namespace

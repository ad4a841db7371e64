// A plan file's bytes as a writer made them, with the values it had to shorten.
#pragma once

#include <QByteArray>
#include <QStringList>

struct PlanImage {
    QByteArray bytes;
    // Names of text values longer than the form can hold; they were cut.
    QStringList cutValues;
};

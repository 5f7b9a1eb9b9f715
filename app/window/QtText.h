#pragma once

#include "base/ShownText.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The core speaks UTF-8 std::string, the widgets QString; these are the only
// crossings between the two.
inline QString QStr(const std::string& text)
{
    return QString::fromStdString(text);
}

inline QString QStr(const char* text)
{
    return QString::fromUtf8(text);
}

// Text that may come from a file (a cell, a name, a message quoting them),
// its control characters shown as \xHH (ShownText).
inline QString QShown(const std::string& text)
{
    return QString::fromStdString(ShownText(text));
}

// Puts a text into a one-line field showing its start: a long path or
// company name shown from its end hides what tells it apart.
inline void SetTextFromStart(QLineEdit& edit, const QString& text)
{
    edit.setText(text);
    edit.setCursorPosition(0);
}

inline std::string StdStr(const QString& text)
{
    return text.toStdString();
}

inline QStringList QStrList(const std::vector<std::string>& texts)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& text : texts) list.append(QStr(text));
    return list;
}

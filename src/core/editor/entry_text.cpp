// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/entry_text.h"

#include "archive/constant_tables.h"

#include <algorithm>

QString WheelLabelText(int wheel, const std::array<qint16, 6>& numbers) {
    QString text = WheelCode(wheel);
    for (int p = 1; p <= NumbersPerWheel; ++p)
        text += QString::number(numbers[std::size_t(p)]).rightJustified(3, u' ');
    return text;
}

QString NewDrawLabelText(int wheel) {
    return WheelCode(wheel) + QStringLiteral("  0  0  0  0  0");
}

QString NumberFieldText(int value) {
    return value == 0 ? QString() : QString::number(value);
}

QString DrawNumberText(int draw) {
    return u' ' + QString::number(draw);
}

FieldKey FieldKeyOf(char16_t character) {
    if (character == 13)
        return FieldKey::Enter;
    if ((character >= u'0' && character <= u'9') || character == 8 || character == 127)
        return FieldKey::Typed;
    return FieldKey::Swallowed;
}

QString WithoutTrailingBlanks(const QString& text) {
    qsizetype length = text.size();
    while (length > 0 && text[length - 1] == u' ')
        --length;
    return text.left(length);
}

bool ExceedsTwoCharacters(const QString& text) {
    return WithoutTrailingBlanks(text).size() > 2;
}

bool FieldEditStands(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const QStringView inserted = QStringView(after).mid(prefix, after.size() - prefix - suffix);
    if (inserted.isEmpty())
        return true;
    for (const QChar c : inserted)
        if (c < u'0' || c > u'9')
            return false;
    return !ExceedsTwoCharacters(after);
}

int FieldValue(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        if (c < u'0' || c > u'9')
            break;
        value = std::min(value * 10 + (c.unicode() - u'0'), 32767);
    }
    return value;
}

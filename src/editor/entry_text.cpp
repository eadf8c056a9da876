#include "editor/entry_text.h"

#include "archive/constant_tables.h"

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/field_guard.h"

#include "editor/entry_text.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

FieldGuard::FieldGuard(std::function<void()> refuse, QObject* parent)
    : QObject(parent), refuse_(std::move(refuse)) {}

// A user's change is judged first (textEdited comes before textChanged); then the field's text,
// whatever it is now, is what the next change is judged against.
void FieldGuard::watch(QLineEdit* field) {
    connect(field, &QLineEdit::textEdited, this, [this, field] {
        programValues_.remove(field);
        judge(field);
    });
    connect(field, &QLineEdit::textChanged, this, [this, field] { fieldTexts_[field] = field->text(); });
    field->installEventFilter(this);
}

// A change that is refused is undone, the caret back where it was.
void FieldGuard::judge(QLineEdit* field) {
    const QString before = fieldTexts_.value(field);
    const QString after = field->text();
    if (FieldEditStands(before, after))
        return;
    refuse_();
    const QString kept = WithoutTrailingBlanks(before);
    const int caret = field->cursorPosition() - int(after.size() - before.size());
    field->setText(kept);
    field->setCursorPosition(std::clamp(caret, 0, int(kept.size())));
}

void FieldGuard::put(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
    programValues_.insert(field);
    if (field->hasFocus())
        field->selectAll();
}

// Entered by a click, Tab, Shift+Tab, Enter or the program: the click places the caret after the
// focus arrives, so the selection waits for it.
bool FieldGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (event->type() != QEvent::FocusIn || !field || !programValues_.contains(field))
        return false;
    QTimer::singleShot(0, field, [this, field] {
        if (programValues_.contains(field) && field->hasFocus())
            field->selectAll();
    });
    return false;
}

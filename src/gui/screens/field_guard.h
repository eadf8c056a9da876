// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>

class QLineEdit;

// What goes into the entry screen's two-digit fields: a change of the user's, however it came (a key,
// Shift+Insert, a middle-click, undo), stands only when it puts in digits and leaves at most two
// characters; a value the program puts in is selected whenever the field is entered, so that what
// the user types replaces it.
class FieldGuard : public QObject {
    Q_OBJECT
public:
    // `refuse` tells the user that an edit was refused.
    FieldGuard(std::function<void()> refuse, QObject* parent);

    void watch(QLineEdit* field);
    // The program's own value.
    void put(QLineEdit* field, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void judge(QLineEdit* field);

    std::function<void()> refuse_;
    // Each field's text as it stands after the last change, the program's or an accepted one of the
    // user's: a user's change is judged against it.
    QHash<const QLineEdit*, QString> fieldTexts_;
    // The fields whose text the program put there, until the user changes it.
    QSet<const QLineEdit*> programValues_;
};

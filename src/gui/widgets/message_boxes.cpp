// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/message_boxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace {

QMessageBox::Icon iconOf(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
    case MsgIcon::Program: // its own picture, set apart
        break;
    }
    return QMessageBox::NoIcon;
}

// The window manager writes the title in its own, often bold, font beside its icon and three
// buttons; a box only as wide as its text has the title cut ("E…e"). The room it needs, generously.
int titleRoom(const QString& title) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    return QFontMetrics(bold).horizontalAdvance(title) + 160;
}

// A message box keeps its own layout; a spacer across it is how it takes a minimum width.
void keepTitleWhole(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(titleRoom(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

// Only the affirmative button answers yes. A box that ends any other way (Escape, its close button,
// the program asked to end while it is open, its window destroyed under it) answers Cancel/No.
MsgAnswer QtMessageBoxes::show(const MessageRequest& request) {
    // A carriage return alone breaks the line, as the messages' texts expect.
    QString text = request.text;
    text.replace(u'\r', u'\n');
    // On the heap and watched: destroying the window it belongs to destroys the box as well.
    QPointer<QMessageBox> box =
        new QMessageBox(iconOf(request.icon), request.title, text, QMessageBox::NoButton,
                        parent_ ? parent_.data() : QApplication::activeWindow());
    keepTitleWhole(*box);
    if (help)
        QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), box), &QShortcut::activated, help);
    if (request.icon == MsgIcon::Program)
        box->setIconPixmap(QApplication::windowIcon().pixmap(64));
    // The buttons' words come from Qt's Italian catalogue (InstallQtTranslations).
    const bool yesNo = request.buttons == MsgButtons::YesNo;
    QPushButton* yes = box->addButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    QPushButton* no = nullptr;
    if (yesNo)
        no = box->addButton(QMessageBox::No);
    else if (request.buttons == MsgButtons::OkCancel)
        no = box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(no && (yesNo || request.cancelByDefault) ? no : yes);
    box->exec();
    if (!box)
        return MsgAnswer::Cancel;
    const bool affirmative = box->clickedButton() == yes;
    delete box;
    return affirmative ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

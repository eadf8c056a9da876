// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/message_boxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

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

MsgAnswer QtMessageBoxes::show(const MessageRequest& request) {
    // A carriage return alone breaks the line, as the messages' texts expect.
    QString text = request.text;
    text.replace(u'\r', u'\n');
    QMessageBox box(iconOf(request.icon), request.title, text, QMessageBox::NoButton,
                    parent_ ? parent_ : QApplication::activeWindow());
    keepTitleWhole(box);
    // The interface is Italian, whatever the desktop's language.
    if (request.buttons == MsgButtons::YesNo) {
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("S\u00ec"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("No"));
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
    box.addButton(QMessageBox::Ok);
    if (request.buttons == MsgButtons::OkCancel)
        box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    box.setDefaultButton(QMessageBox::Ok);
    // Any answer other than Cancel counts as OK.
    return box.exec() == QMessageBox::Cancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/message_boxes.h"

#include <QApplication>
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

} // namespace

MsgAnswer QtMessageBoxes::show(const MessageRequest& request) {
    // A carriage return alone breaks the line, as the messages' texts expect.
    QString text = request.text;
    text.replace(u'\r', u'\n');
    QMessageBox box(iconOf(request.icon), request.title, text, QMessageBox::NoButton,
                    parent_ ? parent_ : QApplication::activeWindow());
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/paste_screen.h"

#include "paste/paste_analysis.h"
#include "widgets/fonts.h"
#include "widgets/palettes.h"
#include "widgets/placing.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

const QString PasteInstruction = QStringLiteral("Incolla l'estrazione nello spazio sottostante.");

// A carriage return left alone inside a line (by the national wheel's join) shows as a blank.
QString shownText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u' ');
    return text;
}

} // namespace

PasteScreen::PasteScreen(const Archive& archive, QWidget* parent) : QWidget(parent), archive_(archive) {
    Text1 = new QPlainTextEdit(QStringLiteral("Text1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, 0, 480, 972, 372);
    Text1->setFont(MonoFont(10.5));
    SetLightPalette(Text1, QPalette::Base, PasteBackground);
    Text1->setAccessibleName(QStringLiteral("Testo dell'estrazione"));
    Text1->installEventFilter(this);
}

bool PasteScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Text1 || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier))
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Elabora();
        return true;
    }
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    return false;
}

TabStops PasteScreen::tabStops() const {
    return {{}, {}, {Text1}};
}

void PasteScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBelowTheButtons(Text1);
}

void PasteScreen::AgDalFile() {
    Text1->setPlainText(PasteInstruction + QStringLiteral("\n\n"));
    Text1->setEnabled(true);
    Text1->moveCursor(QTextCursor::End);
    Text1->setFocus();
}

void PasteScreen::Elabora() {
    const QString pasted = Text1->toPlainText();
    const PasteAnalysis analysis = AnalysePastedText(pasted, archive_);
    // Rewriting the box loses the caret, the view and undo: only an amended text is put back. The
    // line break that ends every amended text is no amendment.
    const QString amended = shownText(analysis.text);
    if (amended != pasted && amended != pasted + u'\n')
        Text1->setPlainText(amended);
    Q_EMIT analysed(analysis);
}

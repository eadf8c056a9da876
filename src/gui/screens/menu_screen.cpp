// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/menu_screen.h"

#include "grid/twips.h"
#include "text/status_texts.h"
#include "widgets/fonts.h"
#include "widgets/palettes.h"
#include "widgets/placing.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel* textLine(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFont(SansFont(8.25));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

// Under the first two buttons of the row, as wide, a row's height below it.
MenuScreen::MenuScreen(QWidget* parent) : QWidget(parent) {
    const QFont font = SansFont(8.25);
    butStats = makeButton(this, QStringLiteral("&Statistiche"), 60, 1540, font);
    butStats->setObjectName(QStringLiteral("butStats"));
    butSearch = makeButton(this, QStringLiteral("C&erca"), 1660, 1540, font);
    butSearch->setObjectName(QStringLiteral("butSearch"));
    place(butStats, 60, 480, 1540, 360);
    place(butSearch, 1660, 480, 1540, 360);
    for (QPushButton* button : {butStats, butSearch})
        SetLightPalette(button, QPalette::Button, ButtonTeal);
    LAdvice = textLine(this, QStringLiteral("LAdvice"));
    LStatus = textLine(this, QStringLiteral("LStatus"));
    LStatus->setAccessibleName(QStringLiteral("Stato dell'archivio"));
    connect(butStats, &QPushButton::clicked, this, &MenuScreen::statsRequested);
    connect(butSearch, &QPushButton::clicked, this, &MenuScreen::searchRequested);
}

void MenuScreen::showArchive(const Archive& archive, const QString& folder, const QDateTime& now,
                             const QString& note) {
    LStatus->setText(note.isEmpty() ? ArchiveStatusText(archive, folder, now) : note);
    LAdvice->setText(EmptyArchiveAdvice());
    LAdvice->setVisible(archive.DrawCount() == 0);
}

// The advice under the second row of buttons, the status line along the bottom, both as wide as the
// window.
void MenuScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int margin = px(60), lines = 2 * LStatus->fontMetrics().height();
    LAdvice->setGeometry(margin, px(1020), width() - 2 * margin, 3 * LAdvice->fontMetrics().height());
    LStatus->setGeometry(margin, height() - lines - margin, width() - 2 * margin, lines);
}

QList<QWidget*> MenuScreen::tabStops() const {
    return {butStats, butSearch};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "screens/tab_stops.h"

#include <QWidget>

class QPlainTextEdit;
struct PasteAnalysis;

// The paste window: the published text of a draw, read against the archive it is given by Elabora,
// which says through `analysed` what it found. In the box Enter and Tab are the text's; Ctrl+Enter
// runs Elabora and Ctrl+Tab leaves the box.
class PasteScreen : public QWidget {
    Q_OBJECT
public:
    PasteScreen(const Archive& archive, QWidget* parent);

    // The instruction alone in the box, the caret after it.
    void AgDalFile();
    void Elabora();
    TabStops tabStops() const;

Q_SIGNALS:
    void analysed(const PasteAnalysis& analysis);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Archive& archive_;
    QPlainTextEdit* Text1;
};

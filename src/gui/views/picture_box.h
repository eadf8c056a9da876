// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "views/print_surface.h"

#include <QFrame>

// A drawing surface control that keeps its picture when covered: everything is drawn into its
// PrintSurface and the paint event only copies that picture inside the border.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    PrintSurface& surface() { return surface_; }
    // Shows what was drawn since the last call.
    void refresh() { update(); }

Q_SIGNALS:
    // A key pressed while the picture has the focus; set `keyCode` to 0 to consume it.
    void keyDown(int& keyCode, int& mask);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PrintSurface surface_;
};

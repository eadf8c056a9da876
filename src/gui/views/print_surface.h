// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <memory>

class QPainter;

// A drawing surface that keeps its picture: text is printed at a text position that moves on
// as it prints, lines are ruled with a pixel width. Its fonts are fixed-pitch: every character
// takes the width of "Z". Positions are in twips, as the grid and the
// draw panel are laid out; the picture is an image blitted by its widget.
class PrintSurface {
public:
    PrintSurface();
    ~PrintSurface();

    // Changes the size (in the widget's pixels) and the screen's pixel ratio, at which the picture
    // is drawn so that it is as sharp as the text around it; what was drawn stays where it was,
    // clipped or padded with the background.
    void resize(QSize pixels, qreal pixelRatio = 1);
    QSize size() const { return image_.deviceIndependentSize().toSize(); }

    // Fills with the background colour; the text position returns to (0, 0).
    void clear();
    // Fills with the background colour right of `x` (twips), to the edge.
    void clearRightOf(int x);
    void setBackground(const QColor& color) { background_ = color; }
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    void setColor(const QColor& color) { color_ = color; }
    QColor color() const { return color_; }
    void setItalic(bool italic);

    // Prints at the text position (its top-left corner) and moves the position past the text.
    void print(const QString& text);
    // Back to x 0, one line (the height of "Z") further down.
    void newLine();
    int currentX = 0; // twips
    int currentY = 0;

    // A straight line of `widthPixels` in `color`; the text position does not move.
    void line(int x1, int y1, int x2, int y2, int widthPixels, const QColor& color);

    int textWidth(const QString& text) const; // twips
    int textHeight() const;                   // twips: the height of a line of text

    // The picture, with every drawing so far in it.
    const QImage& image();

private:
    QPainter& painter();
    void endPainting();

    QImage image_;
    QFont font_;
    QFontMetrics metrics_;
    int cellWidth_; // pixels: every character takes one cell of a fixed-pitch font
    QColor color_ = Qt::black;
    QColor background_ = Qt::white;
    std::unique_ptr<QPainter> painter_;
};

#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "keyboard/labellayout.h"

class QPainter;
class TKeyArt;
class TKeyboard;

// Draws a keyboard's keys, their dots and their labels from the keyboard's state, and knows where
// each of them lies: drawn keys follow the key width and the height, image keys the artwork.
class TKeyPainter {
public:
    // Both outlive the painter.
    TKeyPainter(const TKeyboard& keyboard, TKeyArt& art);
    ~TKeyPainter();

    // Paints what lies in `area` (control coordinates).
    void Paint(QPainter& p, const QRect& area);

    QRect KeyRect(int n) const;
    // Hit test at absolute x a (pixels from the left edge of note 0's key) and control y.
    int NoteAtAbsolute(int a, int y) const;
    // How far key n runs from its back edge at the top of the picture to its front edge: a white
    // key to the bottom of the keys, a black key to the end of the black band.
    int KeyLength(int n) const;

    // The labels of the keys that reach into `area` (control coordinates).
    std::vector<TKeyLabel> Labels(const QRect& area) const;
    // Where a dot may be drawn on key n (the pressed-key dot; in image style the marked key's
    // dot, up or down): a label leaves these free.
    std::vector<QRect> DotRects(int n) const;
    // Every computer key that plays key n, also those its label has no room for, with the key's
    // name; empty when no computer key's legend is shown for it.
    QString ToolTip(int n) const;
    // The keyboard's font changed: the labels are measured again.
    void FontChanged() { m_labelLayout.reset(); }

private:
    void PaintDrawn(QPainter& p, const QRect& area, int first, int last);
    void PaintImages(QPainter& p, const QRect& area, int first, int last);
    void DrawKeyDrawn(QPainter& p, int n);
    void DrawDot(QPainter& p, int n, bool filled);
    // The dot of a pressed key in drawn style, and the marked key's dot in image style.
    QRect PressedDotRect(int n) const;
    QRect MarkDotRect(bool pressed) const;
    // The part of a key a label may take, before the dots are left out.
    QRect LabelFace(int n) const;
    // The face less the dots that may be drawn on it.
    QRect LabelRoom(int n) const;
    // The legends of the computer keys that play key n, as shown.
    QStringList LegendsOf(int n) const;
    // The visible keys as the label layout sees them.
    std::vector<TLabelKey> LabelKeys() const;
    TLabelLayout& LabelLayout() const;
    void DrawLabels(QPainter& p, const QRect& area);
    int BlackWidth() const;
    QColor KeyColour(int n) const;

    const TKeyboard& m_keyboard;
    TKeyArt& m_art;
    // Made on first use with the keyboard's font; it keeps the texts it measured.
    mutable std::unique_ptr<TLabelLayout> m_labelLayout;
};

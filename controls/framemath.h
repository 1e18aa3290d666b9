#pragma once

// Arithmetic of image strips and of the image controls' mouse handling, kept free of widgets.

enum class TScrollKind { sbHorizontal, sbVertical };

struct TFrameGeometry {
    int frameWidth = 0;
    int frameHeight = 0;
    int count = 0;
};

// Frame size never exceeds the bitmap.
void ClampFrameSize(TFrameGeometry& g, int bitmapWidth, int bitmapHeight);
// Cuts the bitmap into Count frames (with separators between them); without a count it only
// clamps the frame size.
void FrameSizeFromCount(TFrameGeometry& g, int bitmapWidth, int bitmapHeight,
                        TScrollKind orientation, int separator);
// How many frames of the current size fit; a frame size below 1 is first derived from Count.
void CountFromFrameSize(TFrameGeometry& g, int bitmapWidth, int bitmapHeight,
                        TScrollKind orientation, int separator);

// The frame showing position in min..max on a strip of count frames: the range is split into
// count equal parts, so the centre of an odd-sized strip is hit exactly by the middle value.
int FrameIndex(int position, int min, int max, int count);

// One mouse-move step of a slider drag.
struct TDragStep {
    bool fineMode = false;      // fine mode after this step
    bool moved = false;         // d was not 0: the pointer moved far enough to count
    bool snapToMiddle = false;  // the position goes to MiddlePos (the anchor stays)
    int delta = 0;              // added to the position; when not 0 the anchor follows the pointer
};

// d is the raw drag distance in pixels from the anchor, positive towards larger values.
TDragStep ComputeDragStep(int d, bool shift, bool fineMode, int position, int smallChange,
                          int middlePos, int middleSnap);

// The position a button image takes while tracked: pressed inside, back to its start outside;
// a toggling button shows the opposite of its start position while pressed inside.
int TrackButtonPosition(bool inside, bool twoState, int startPosition, int min, int max);

// The position Space gives a button image: pressed when released, released when pressed.
int SpaceDownPosition(int position, int min, int max);

int Sign(int v);

#pragma once

class BoitePicture;

// The selection frame and the resize handle of the optics sheet. Everything is in pixels of the
// drawing area.

// Lays the four dotted lines on the edges of a placed element (top, left, bottom, right: the
// right and bottom ones one pixel outside its last column and row) and centres the handle on
// its top-right corner; both shown. A frame already shown moves straight there.
void selectionner_objet(BoitePicture* objet);
// Hides the frame and the handle; the end pins of rays and lines stay as they are.
void deselectionner();

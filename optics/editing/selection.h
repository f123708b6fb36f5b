#pragma once

class BoitePicture;

// The selection frame and the resize handle of the optics sheet. Everything is in pixels of the
// drawing area.

// Lays the four dotted lines on the edges of a placed element (top, left, bottom, right: the
// right and bottom ones one pixel outside its last column and row) and centres the handle on
// its top-right corner; both shown, the handle in front of the elements. A frame already shown moves straight there.
void selectionner_objet(BoitePicture* objet);
// Hides the frame and the handle; the end pins of rays and lines stay as they are.
void deselectionner();
// The element the handle was last put on by selectionner_objet (nullptr once it is gone).
BoitePicture* element_de_l_ergot();
// Makes type_selection and index_selection name the element the handle was put on, while it is
// loaded: a palette item pressed since leaves the frame and the handle there, and the handle
// still acts on what it frames.
void reprendre_element_de_l_ergot();
// The placed element that type_selection and index_selection name: nullptr for a palette item
// or a template (index 0), an unknown kind or an index not loaded.
BoitePicture* element_selectionne();

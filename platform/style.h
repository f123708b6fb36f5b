#pragma once

// The application's style: the platform's own, unchanged on screen, except that the standard
// pictures it takes from Qt's resources are decoded as the PNG files they are. Qt would first
// offer each of them to every image-format plugin installed (loading them all, SVG's among them),
// which the program never needs: the main window's menu bar asks for such a picture as it is made.
// Tick boxes and option buttons keep their 96-dpi size on any screen, as the windows do.
void installer_style();

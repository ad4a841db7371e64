// The handout's three logos: the program's sign, its name, and the maker's brand.
#pragma once

#include <QImage>

// Each on white, as the handout draws them on its white page. The names need a font: call with
// a QGuiApplication.
QImage ProgramSign();
// The same sign as the desktop's icon for the program: size pixels square, on transparency.
QImage ApplicationIcon(int size);
QImage ProgramNameLogo();
QImage MakerBrand();

#pragma once

#include <QImage>
#include <QString>

/// The icon stored as text in a BaseIcon column: width and height as the codes
/// of the first two characters minus 32, the third the transparent (white)
/// marker, then one character per pixel row by row, "@".."O" naming the 16
/// colours. Only the top-left 16 x 16 is read, whatever size the text claims;
/// pixels the text does not give, or gives with an unknown character, are white.
QImage IconFromText(const QString& text);

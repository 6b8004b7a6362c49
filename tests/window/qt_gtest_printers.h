// Readable GoogleTest failure messages for the Qt values the window tests compare.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <ostream>

// In the global namespace, where Qt's types live, so that GoogleTest finds them.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* os) {
  *os << '{';
  for (const QString& text : texts) {
    PrintTo(text, os);
    *os << (&text == &texts.back() ? "" : ", ");
  }
  *os << '}';
}

inline void PrintTo(const QColor& colour, std::ostream* os) {
  *os << "RGB " << colour.red() << ", " << colour.green() << ", " << colour.blue();
}

inline void PrintTo(const QRect& rect, std::ostream* os) {
  *os << "(" << rect.x() << ", " << rect.y() << ") " << rect.width() << "x" << rect.height();
}

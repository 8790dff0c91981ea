#pragma once
// The CSV files the program writes, as a spreadsheet set to Spanish opens
// them: UTF-8 with its byte-order mark, ";" between fields, one header row,
// and numbers as plain figures with the locale's decimal character.
#include "core/formato.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace tarvia {

// The field as written: within double quotes, its own quotes doubled, when it
// holds ";", '"', a carriage return or a line feed; otherwise as it is.
QString CampoCsv(const QString& campo);

// One line: the fields so written, ";" between them, ending in "\n".
QString FilaCsv(const QStringList& campos);

// A number field from its value: `decimales` decimals (rounded as the screen
// rounds) after the locale's decimal character and no thousands grouping,
// which would make a spreadsheet read "17.514,40" as a text. Empty when x is
// not a finite number.
QString NumeroCsv(double x, int decimales, const Localizacion& loc);

// The bytes of a CSV: UTF-8, after the byte-order mark when it goes to a
// file (the mark is what tells a spreadsheet the text is UTF-8; a script
// reading standard output is better off without it).
QByteArray BytesCsv(const QString& csv, bool conMarca);

// One line read back: fields split at `separador` outside double quotes, the
// quotes taken away and doubled ones made single, spaces around a field
// trimmed. A line break inside quotes is not supported: lines are split first.
QStringList LeerFilaCsv(const QString& linea, QChar separador = u';');

// The lines of CSV bytes that hold something, numbered from 1 as an editor
// counts them: UTF-8 without its byte-order mark and carriage returns.
struct LineaCsv {
    int numero = 0;
    QString texto;
};
std::vector<LineaCsv> LineasCsv(const QByteArray& bytes);

} // namespace tarvia

#pragma once
// The CSV files the program writes: ";" between fields, as a spreadsheet set
// to Spanish opens them.
#include <QString>
#include <QStringList>

namespace tarvia {

// The field as written: within double quotes, its own quotes doubled, when it
// holds ";", '"', a carriage return or a line feed; otherwise as it is.
QString CampoCsv(const QString& campo);

// One line: the fields so written, ";" between them, ending in "\n".
QString FilaCsv(const QStringList& campos);

} // namespace tarvia

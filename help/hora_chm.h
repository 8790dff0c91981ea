// chmcmd writes the time of day it compiled into every help file it makes,
// so two builds of the same pages never give the same bytes. This puts a
// fixed time there instead (the sources' date), for reproducible packages.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tarvia {

// Sets both places chmcmd stamps (the file header, big-endian, and the
// /#SYSTEM entry 10, little-endian) to the milliseconds since midnight UTC of
// `segundos` (seconds since 1970, as SOURCE_DATE_EPOCH gives them). Returns
// an empty text when done; otherwise why not, with `chm` untouched.
QString FijarHoraChm(QByteArray& chm, std::int64_t segundos);

} // namespace tarvia

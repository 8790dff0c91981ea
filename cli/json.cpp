#include "cli/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvia::calc {

void Json::antesDeValor()
{
    if (trasClave_) {
        trasClave_ = false;
        return;
    }
    if (!primero_.empty()) {
        if (!primero_.back())
            out_ += ", ";
        primero_.back() = false;
    }
}

void Json::cadena(std::string_view utf8)
{
    out_ += '"';
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out_ += buf;
            } else {
                out_ += ch; // UTF-8 bytes pass through
            }
        }
    }
    out_ += '"';
}

Json& Json::abrirObjeto()
{
    antesDeValor();
    out_ += '{';
    primero_.push_back(true);
    return *this;
}

Json& Json::cerrarObjeto()
{
    primero_.pop_back();
    out_ += '}';
    return *this;
}

Json& Json::abrirLista()
{
    antesDeValor();
    out_ += '[';
    primero_.push_back(true);
    return *this;
}

Json& Json::cerrarLista()
{
    primero_.pop_back();
    out_ += ']';
    return *this;
}

Json& Json::clave(std::string_view k)
{
    antesDeValor();
    cadena(k);
    out_ += ": ";
    trasClave_ = true;
    return *this;
}

Json& Json::texto(const QString& s)
{
    antesDeValor();
    cadena(s.toUtf8().toStdString());
    return *this;
}

Json& Json::numero(double x)
{
    if (!std::isfinite(x))
        return nulo();
    antesDeValor();
    char buf[64];
    // Shortest digits that read back to the same double; plain notation for
    // the magnitudes a calculation holds, exponent only beyond them.
    const double a = std::fabs(x);
    const auto forma = (a == 0 || (a >= 1e-6 && a < 1e21)) ? std::chars_format::fixed : std::chars_format::general;
    auto r = std::to_chars(buf, buf + sizeof buf, x, forma);
    out_.append(buf, r.ptr);
    return *this;
}

Json& Json::logico(bool b)
{
    antesDeValor();
    out_ += b ? "true" : "false";
    return *this;
}

Json& Json::nulo()
{
    antesDeValor();
    out_ += "null";
    return *this;
}

} // namespace tarvia::calc

#pragma once
// A small streaming JSON writer: UTF-8 out, numbers in their shortest
// round-trip form, commas placed by the writer.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace tarvia::calc {

class Json {
public:
    Json& abrirObjeto();
    Json& cerrarObjeto();
    Json& abrirLista();
    Json& cerrarLista();
    Json& clave(std::string_view k);
    Json& texto(const QString& s);
    Json& numero(double x); // null when not finite
    Json& logico(bool b);
    Json& nulo();

    const std::string& resultado() const { return out_; }

private:
    void antesDeValor();
    void cadena(std::string_view utf8);

    std::string out_;
    std::vector<bool> primero_; // per open container: nothing written in it yet
    bool trasClave_ = false;
};

} // namespace tarvia::calc

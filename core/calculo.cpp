#include "core/calculo.h"

#include "core/catalogo.h"
#include "core/redondear.h"

#include <cmath>

namespace tarvia {

Arreglo& ValoresColumna::operator[](Hoja h)
{
    return const_cast<Arreglo&>(static_cast<const ValoresColumna&>(*this)[h]);
}

const Arreglo& ValoresColumna::operator[](Hoja h) const
{
    switch (h) {
    case Hoja::C: return C;
    case Hoja::F1: return F1;
    case Hoja::F2: return F2;
    case Hoja::F3: return F3;
    case Hoja::V: return V;
    case Hoja::I: return I;
    case Hoja::R: return R;
    case Hoja::S: return S;
    }
    return C;
}

void InicializarCalculo(Calculo& calculo)
{
    for (Hoja h : TodasLasHojas)
        calculo.CamposEntrada[Indice(h)] = ListaCamposEntrada(h);

    calculo.Minimos = ValoresColumna{};
    calculo.Maximos = ValoresColumna{};
    for (const Campo& c : Catalogo()) {
        calculo.Minimos[c.hoja](c.indice) = c.minimo.comoValor();
        calculo.Maximos[c.hoja](c.indice) = c.maximo.comoValor();
    }
    calculo.Personal = calculo.Minimos;
    calculo.Referencia = calculo.Minimos;
    calculo.Grabado = calculo.Minimos;
}

namespace {

bool CampoDifiere(Hoja h, int k, const Valor& a, const Valor& b)
{
    switch (CampoDe(h, k).tipo) {
    case TipoCampo::Texto: return a.comoTexto() != b.comoTexto();
    case TipoCampo::Opcion: return a.comoLogico() != b.comoLogico();
    default: {
        const auto x = a.comoNumero();
        const auto y = b.comoNumero();
        if (!x || !y) // a value that is not a number compares as written
            return a.comoTexto() != b.comoTexto();
        const int d = Decimales(h, k);
        const double rx = Redondear(*x, d);
        const double ry = Redondear(*y, d);
        if (std::isnan(rx) || std::isnan(ry))
            return *x != *y;
        return rx != ry;
    }
    }
}

} // namespace

bool HayCambios(const Calculo& calculo)
{
    for (Hoja h : HojasDeEntrada)
        for (int k : calculo.Entradas(h))
            if (CampoDifiere(h, k, calculo.Personal[h](k), calculo.Grabado[h](k)))
                return true;
    return false;
}

int TotalCamposEntrada(const Calculo& calculo)
{
    int n = 0;
    for (const auto& lista : calculo.CamposEntrada)
        n += static_cast<int>(lista.size());
    return n;
}

} // namespace tarvia

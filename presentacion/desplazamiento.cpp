#include "presentacion/desplazamiento.h"

#include <algorithm>

namespace tarvia {

namespace {
constexpr int kMargenes = 360; // 180 twips on each side of the sheet
}

int A16Bits(long valor) { return static_cast<int>(std::clamp<long>(valor, INT16_MIN, INT16_MAX)); }

Barra DimensionarV(int altoHoja, int altoVisor)
{
    Barra b;
    b.cambioGrande = altoVisor - 220 > 0 ? A16Bits(altoVisor - 220L) : 1;
    b.maximo = altoHoja + kMargenes > altoVisor ? A16Bits(long(altoHoja) + kMargenes - altoVisor) : 0;
    return b;
}

Barra DimensionarH(int anchoHoja, int anchoTira, int anchoVScroll)
{
    Barra b;
    const long pagina = long(anchoTira) - anchoVScroll - 1300;
    b.cambioGrande = pagina > 0 ? A16Bits(pagina) : 1;
    const long necesario = long(anchoHoja) + kMargenes + anchoVScroll;
    b.maximo = necesario > anchoTira ? A16Bits(necesario - anchoTira) : 0;
    return b;
}

int InicioDePagina(const Barra& barra, int b)
{
    const int paginas = b >= 0 ? b / barra.cambioGrande : -((-b + barra.cambioGrande - 1) / barra.cambioGrande);
    const int p = paginas * barra.cambioGrande;
    return p > barra.maximo ? barra.maximo : p;
}

int MoverV(const Barra& barra, int b, int alto)
{
    if (b > barra.valor + barra.cambioGrande)
        return std::min(b - barra.cambioGrande, barra.maximo);
    if (b < barra.valor + alto)
        return std::max(b - alto - 220, barra.minimo);
    return barra.valor;
}

int MoverH(const Barra& barra, int x)
{
    if (x > barra.valor + barra.cambioGrande)
        return std::min(x - barra.cambioGrande, barra.maximo);
    if (x < barra.valor)
        return std::max(x - 1300, barra.minimo);
    return barra.valor;
}

int Desplazar(const Barra& barra, int posicion)
{
    if (posicion > barra.maximo)
        return barra.maximo;
    if (posicion < barra.minimo)
        return barra.minimo;
    return posicion;
}

int PasoRueda(const Barra& barra, bool alejando)
{
    return Desplazar(barra, alejando ? barra.valor - barra.cambioPequeno : barra.valor + barra.cambioPequeno);
}

Horizontal SituarVentana(int anchoPedido, int anchoTrabajo)
{
    if (anchoPedido < anchoTrabajo)
        return {(anchoTrabajo - anchoPedido) / 2, anchoPedido};
    return {0, anchoTrabajo};
}

} // namespace tarvia

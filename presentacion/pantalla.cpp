#include "presentacion/pantalla.h"

#include "core/catalogo.h"

namespace tarvia {

namespace {

const QString kMarcoPersonal = QStringLiteral("Cálculo Personalizado");

// Every sheet but the service sheet has a reference column.
QString MarcoReferenciaFijo(Hoja h)
{
    if (h == Hoja::S)
        return {}; // the service sheet has no reference column
    return QStringLiteral("Baremario de Costes");
}

// A personal box the user types into before any option group is switched:
// the totals of the groups start as derived, since every group starts broken down.
bool EditableAlCrear(const Campo& c)
{
    return (c.tipo == TipoCampo::Entrada || c.tipo == TipoCampo::Texto) && !c.totalDeGrupo;
}

Caja CajaAlCrear(const Campo& c, Columna col)
{
    Caja caja;
    if (col == Columna::S && EditableAlCrear(c)) {
        caja.habilitado = true;
        caja.fondo = Fondo::Editable;
    }
    if (col == Columna::O) {
        // Reference data carries no load; the service sheet has no reference column.
        const bool tonelaje = (c.hoja == Hoja::C && (c.indice == 19 || c.indice == 20)) ||
                              (c.hoja == Hoja::R && (c.indice == 53 || c.indice == 54));
        caja.visible = !tonelaje && c.hoja != Hoja::S;
    }
    return caja;
}

bool OcultoAlCrear(Marco m)
{
    return m == Marco::F1CosteAnual || m == Marco::F2SemiCosteAnual || m == Marco::F2EquipoCosteAnual;
}

} // namespace

void Pantalla::Restablecer()
{
    for (Hoja h : TodasLasHojas) {
        const size_t n = static_cast<size_t>(NumeroDeCampos(h)) + 1; // one-based
        for (Columna col : {Columna::S, Columna::O}) {
            auto& cajas = cajas_[Indice(h)][static_cast<int>(col)];
            cajas.assign(n, Caja{});
            for (const Campo& c : CamposDe(h))
                cajas[static_cast<size_t>(c.indice)] = CajaAlCrear(c, col);
            opciones_[Indice(h)][static_cast<int>(col)].assign(n, 0);
        }
        titulos_[Indice(h)] = QString::fromUtf8(TituloHoja(h));
        marcosS_[Indice(h)] = kMarcoPersonal;
        marcosO_[Indice(h)] = MarcoReferenciaFijo(h);
    }
    for (int m = 0; m < static_cast<int>(Marco::Cuantos); ++m)
        for (int col = 0; col < 2; ++col)
            marcos_[m][col] = !OcultoAlCrear(static_cast<Marco>(m));
    comentarios_.fill(QStringLiteral("Comentario"));
    comentarioFijado_.fill(false);
}

} // namespace tarvia

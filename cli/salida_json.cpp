#include "cli/salida_json.h"

#include "cli/json.h"
#include "presentacion/marcos.h"

#include <string>

namespace tarvia::calc {

namespace {

void Valor(Json& j, const tarvia::Valor& v)
{
    if (v.esNumero())
        j.numero(v.numero());
    else if (v.esTexto())
        j.texto(v.texto());
    else if (v.esLogico())
        j.logico(v.logico());
    else if (v.esFecha() && v.fecha().isValid())
        j.texto(v.fecha().toString(Qt::ISODate));
    else
        j.nulo();
}

void Columna(Json& j, const ValoresColumna& col)
{
    j.abrirObjeto().clave("Fecha");
    if (col.Fecha.isValid())
        j.texto(col.Fecha.toString(Qt::ISODate));
    else
        j.nulo();
    for (Hoja h : TodasLasHojas) {
        j.clave(Codigo(h)).abrirObjeto();
        const Arreglo& a = col[h];
        for (int i = 1; i <= a.size(); ++i) {
            j.clave(std::to_string(i));
            Valor(j, a(i));
        }
        j.cerrarObjeto();
    }
    j.cerrarObjeto();
}

void Cajas(Json& j, const Pantalla& p, tarvia::Columna c)
{
    j.abrirObjeto();
    for (Hoja h : TodasLasHojas) {
        if (h == Hoja::S && c == tarvia::Columna::O)
            continue; // the service sheet has only the personal column
        j.clave(Codigo(h)).abrirObjeto();
        for (int i = 1; i <= NumeroDeCampos(h); ++i) {
            const Caja& caja = p.caja(h, c, i);
            j.clave(std::to_string(i)).abrirObjeto();
            j.clave("texto").texto(caja.texto);
            j.clave("habilitado").logico(caja.habilitado);
            j.clave("visible").logico(CampoVisible(p, h, c, i)); // inside its frame, as the user sees it
            j.cerrarObjeto();
        }
        j.cerrarObjeto();
    }
    j.cerrarObjeto();
}

} // namespace

std::string DocumentoJson(const Documento& doc, const std::vector<Aviso>& avisos, bool pantalla,
                          const std::function<void(Json&)>& mas)
{
    Json j;
    j.abrirObjeto();
    j.clave("personal");
    Columna(j, doc.calculo.Personal);
    j.clave("referencia");
    Columna(j, doc.calculo.Referencia);
    j.clave("hayCambios").logico(HayCambios(doc.calculo));
    j.clave("mensajes").abrirLista();
    for (const Mensaje& m : doc.mensajes) {
        j.abrirObjeto();
        j.clave("titulo").texto(m.titulo);
        j.clave("texto").texto(m.texto);
        if (!m.campo.isEmpty()) {
            j.clave("campo").texto(m.campo);
            j.clave("texto_introducido").texto(m.textoIntroducido);
        }
        j.cerrarObjeto();
    }
    j.cerrarLista();
    j.clave("avisos").abrirLista();
    for (const Aviso& a : avisos) {
        j.abrirObjeto();
        j.clave("columna").texto(a.columna == tarvia::Columna::S ? QStringLiteral("personal")
                                                                 : QStringLiteral("referencia"));
        j.clave("campo").texto(NombreCampo(a.hoja, a.campo));
        j.clave("valor");
        Valor(j, a.valor);
        j.clave("minimo");
        Valor(j, doc.calculo.Minimos[a.hoja](a.campo));
        j.clave("maximo");
        Valor(j, doc.calculo.Maximos[a.hoja](a.campo));
        j.clave("mensaje").texto(a.mensaje);
        j.cerrarObjeto();
    }
    j.cerrarLista();
    if (pantalla) {
        j.clave("pantalla").abrirObjeto();
        j.clave("personal");
        Cajas(j, doc.pantalla, tarvia::Columna::S);
        j.clave("referencia");
        Cajas(j, doc.pantalla, tarvia::Columna::O);
        j.cerrarObjeto();
    }
    if (mas)
        mas(j);
    j.cerrarObjeto();
    return j.resultado() + '\n';
}

} // namespace tarvia::calc

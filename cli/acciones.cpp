#include "cli/acciones.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "engine/abrir.h"
#include "engine/indirectos.h"
#include "engine/opciones.h"
#include "engine/resultados.h"
#include "engine/servicio.h"
#include "presentacion/cifras.h"
#include "presentacion/edicion.h"
#include "presentacion/marcos.h"
#include "results/fabrica_hojas.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tarvia::calc {

namespace {

// The decimals that write `x` back exactly (its shortest form), at least `minimo`.
int DecimalesGuardados(double x, int minimo)
{
    char texto[64];
    const auto r = std::to_chars(texto, texto + sizeof texto, x, std::chars_format::fixed);
    const std::string_view s(texto, static_cast<size_t>(r.ptr - texto));
    const size_t punto = s.find('.');
    const int propios = punto == std::string_view::npos ? 0 : static_cast<int>(s.size() - punto - 1);
    return std::max(minimo, propios);
}

// As the user would: focus the field, paste the text over it (no key filter,
// cut to the box's length), leave the field.
Resultado Fijar(Documento& doc, const Accion& a)
{
    if (!SePuedeEditar(doc, a.hoja, a.campo)) {
        Resultado r;
        r.codigo = kNoPermitido;
        r.mensaje = NoSePuedeModificar(a.hoja, a.campo);
        return r;
    }
    const Campo& campo = CampoDe(a.hoja, a.campo);
    const std::size_t antes = doc.mensajes.size();
    Resultado r;
    QString pegado;
    r.rechazada = !EscribirEnCampo(doc, a.hoja, a.campo, a.texto, &pegado);
    // Information, not a doubtful entry: a message of its own, which --estricto lets pass.
    if (const QString nota = NotaDeDescuento(doc.calculo, a.hoja, a.campo); !r.rechazada && !nota.isEmpty())
        doc.MostrarMensaje(nota, QStringLiteral("Descuento"));
    for (std::size_t k = antes; k < doc.mensajes.size(); ++k) {
        doc.mensajes[k].campo = NombreCampo(a.hoja, a.campo);
        doc.mensajes[k].textoIntroducido = a.texto;
    }
    const Localizacion& loc = doc.calculo.Local;
    if (r.rechazada)
        return r;
    if (!campo.esNumerico()) {
        if (pegado != a.texto)
            r.aviso = Aviso{Columna::S, a.hoja, a.campo, doc.calculo.Personal[a.hoja](a.campo),
                            QStringLiteral("El texto de %1 se ha cortado a %2 caracteres, el largo de la casilla.")
                                .arg(NombreCampo(a.hoja, a.campo))
                                .arg(campo.maxLength)};
        return r;
    }
    QString motivo;
    if (pegado != a.texto)
        motivo = QStringLiteral("se ha cortado a %1 caracteres, el largo de la casilla").arg(campo.maxLength);
    else if (LeerCifra(a.texto, campo.decimales, loc.decimal).como == LecturaCifra::Como::PuntoDecimal)
        motivo = QStringLiteral("el punto se ha tomado como separador decimal");
    if (!motivo.isEmpty()) {
        // The value kept, with every decimal it has: a cut text may keep more than the box shows.
        const Valor& v = doc.calculo.Personal[a.hoja](a.campo);
        r.aviso = Aviso{Columna::S, a.hoja, a.campo, v,
                        QStringLiteral("«%1» en %2 se ha leído como %3: %4.")
                            .arg(a.texto, NombreCampo(a.hoja, a.campo),
                                 Mostrar(v, DecimalesGuardados(v.numeroOCero(), campo.decimales), true, loc), motivo)};
    }
    return r;
}

void Ver(Documento& doc, Hoja h)
{
    // What showing the sheet recomputes.
    if (h == Hoja::R)
        Actualizar(doc);
    else if (h == Hoja::S)
        Revisar(doc);
    else if (h == Hoja::I)
        Comentario(doc, Columna::S);
}

} // namespace

bool SePuedeEditar(const Documento& doc, Hoja h, int i) { return CampoEditable(doc.pantalla, h, i); }

QString NoSePuedeModificar(Hoja h, int i)
{
    return QStringLiteral("El campo %1 no se puede modificar.").arg(NombreCampo(h, i));
}

Resultado Ejecutar(Documento& doc, const Accion& a, QDate hoy)
{
    switch (a.tipo) {
    case Accion::Tipo::Fijar: return Fijar(doc, a);
    case Accion::Tipo::Opcion: PulsarOpcion(doc, a.hoja, Columna::S, a.campo, a.boton); return {};
    case Accion::Tipo::Ver: Ver(doc, a.hoja); return {};
    case Accion::Tipo::Guardar:
    case Accion::Tipo::Pdf: {
        // A failure is a message, and the run goes on; the exit code tells.
        const bool pdf = a.tipo == Accion::Tipo::Pdf;
        const FalloArchivo fallo = pdf ? ImprimirPdf(doc, a.texto) : EscribirArchivo(doc, a.texto, hoy);
        Resultado r;
        if (fallo != FalloArchivo::Ninguno) {
            doc.MostrarMensaje(MensajeEscritura(fallo, a.texto), QStringLiteral("Error"));
            r.sinSalida = true;
        } else if (!pdf) {
            doc.calculo.RutaArchivo = a.texto;
        }
        return r;
    }
    }
    return {};
}

} // namespace tarvia::calc

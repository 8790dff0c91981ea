#include "presentacion/analisis.h"

#include "core/campos.h"
#include "core/catalogo.h"
#include "core/redondear.h"
#include "engine/abrir.h"
#include "engine/resultados.h"
#include "engine/servicio.h"
#include "presentacion/edicion.h"

#include <cmath>

namespace tarvia {

namespace {

// The value as the user would type it: the field's decimals, the locale's
// separator, no grouping.
QString Tecleado(double valor, int decimales, QChar separador)
{
    QString texto = QString::number(valor, 'f', std::max(0, decimales));
    texto.replace(u'.', separador);
    return texto;
}

// Types `valor` into a copy of the calculation as the user would, then shows
// the results: whether it was accepted, and the copy.
bool Probar(Documento& copia, Hoja h, int i, double valor)
{
    const bool aceptado = EscribirEnCampo(copia, h, i, Tecleado(valor, Decimales(h, i), copia.calculo.Local.decimal));
    if (aceptado)
        Actualizar(copia);
    return aceptado;
}

double C1(const Documento& doc, int km)
{
    Documento copia = doc;
    copia.mensajes.clear();
    if (!Probar(copia, Hoja::C, campos::C::KilometrosAnuales.i, km))
        return std::nan("");
    return copia.calculo.Personal[campos::R::C1].numeroOCero();
}

} // namespace

std::vector<ResultadoArchivo> Comparar(const QStringList& archivos, const Localizacion& loc)
{
    std::vector<ResultadoArchivo> resultados;
    resultados.reserve(static_cast<size_t>(archivos.size()));
    Documento doc;
    for (const QString& archivo : archivos) {
        InicializarCalculo(doc.calculo);
        doc.calculo.Local = loc;
        doc.pantalla.Restablecer();
        ResultadoArchivo r;
        r.archivo = archivo;
        if (const FalloArchivo f = LeerArchivo(doc, archivo); f != FalloArchivo::Ninguno) {
            r.error = MensajeArchivo(f);
        } else {
            // Loading ends with the results and the services computed.
            r.descripcion = doc.calculo.Personal[campos::C::Descripcion].comoTexto();
            r.R = doc.calculo.Personal.R;
        }
        resultados.push_back(std::move(r));
    }
    return resultados;
}

std::vector<PuntoSensibilidad> Sensibilidad(const Documento& doc, Hoja h, int i, double desde, double hasta, int pasos)
{
    std::vector<PuntoSensibilidad> puntos;
    for (int k = 0; k < pasos; ++k) {
        PuntoSensibilidad p;
        // The value the box would hold: its decimals, half away from zero on
        // the decimal figure (13,745 is 13,75 although the double is below it).
        const double x = pasos == 1 ? desde : desde + (hasta - desde) * k / (pasos - 1);
        const double redondeado = Redondear(x, std::max(0, Decimales(h, i)));
        p.valor = std::isfinite(redondeado) ? redondeado : x;
        Documento copia = doc;
        copia.mensajes.clear();
        if (Probar(copia, h, i, p.valor)) {
            p.R = copia.calculo.Personal.R;
        } else {
            p.rechazado = true;
            p.mensaje = copia.mensajes.empty() ? QString() : copia.mensajes.back().texto;
        }
        puntos.push_back(std::move(p));
    }
    return puntos;
}

std::optional<int> KilometrosDeEquilibrio(const Documento& doc, double precioKm)
{
    const int i = campos::C::KilometrosAnuales.i;
    int bajo = static_cast<int>(doc.calculo.Minimos.C(i).numeroOCero());
    int alto = static_cast<int>(doc.calculo.Maximos.C(i).numeroOCero());
    if (C1(doc, bajo) <= precioKm)
        return bajo;
    if (!(C1(doc, alto) <= precioKm))
        return std::nullopt;
    // C1(bajo) > price >= C1(alto): narrow down to the first whole km.
    while (alto - bajo > 1) {
        const int medio = bajo + (alto - bajo) / 2;
        (C1(doc, medio) <= precioKm ? alto : bajo) = medio;
    }
    return alto;
}

Revision RevisarConElCalculo(const Documento& doc, const TablaIndices& tabla, double precio, double gasoleoContrato,
                             double gasoleoServicio, double umbralPct, bool obra, QDate fechaContrato)
{
    const DatosDeRevision d = DatosDeRevisionDelCalculo(doc);
    const double indice = IndiceRepercusion(tabla, d.mma, obra, fechaContrato);
    return RevisarPrecio(precio, gasoleoContrato, gasoleoServicio, umbralPct, indice, d.cuotaCombustiblePct);
}

DatosDeRevision DatosDeRevisionDelCalculo(const Documento& doc)
{
    Documento copia = doc;
    Actualizar(copia);
    const ValoresColumna& p = copia.calculo.Personal;
    return {p[campos::C::MasaMaximaAutorizada].numeroOCero(), p[campos::R::CuotaCombustible].numeroOCero()};
}

RevisionPorFechas RevisarPorFechas(const TablaIndices& indices, const TablaGasoleo& precios, double precio,
                                   QDate contrato, QDate servicio, double umbralPct, double mma, bool obra,
                                   double cuotaCombustiblePct)
{
    RevisionPorFechas r;
    if (servicio < contrato) {
        r.error =
            QStringLiteral("La fecha del servicio (%1) es anterior a la del contrato (%2).")
                .arg(servicio.toString(QStringLiteral("dd/MM/yyyy")), contrato.toString(QStringLiteral("dd/MM/yyyy")));
        return r;
    }
    r.precios = BuscarPrecios(precios, contrato, servicio);
    if (!r.precios.completos()) {
        r.error = r.precios.mensaje;
        return r;
    }
    const double indice = IndiceRepercusion(indices, mma, obra, contrato);
    r.revision = RevisarPrecio(precio, r.precios.contrato->euros, r.precios.servicio->euros, umbralPct, indice,
                               cuotaCombustiblePct);
    return r;
}

RevisionPorFechas RevisarPorFechasConElCalculo(const Documento& doc, const TablaIndices& indices,
                                               const TablaGasoleo& precios, double precio, QDate contrato,
                                               QDate servicio, double umbralPct, bool obra)
{
    const DatosDeRevision d = DatosDeRevisionDelCalculo(doc);
    return RevisarPorFechas(indices, precios, precio, contrato, servicio, umbralPct, d.mma, obra,
                            d.cuotaCombustiblePct);
}

std::optional<Presupuesto> PresupuestarConElCalculo(const Documento& doc, int servicio, BaseCoste base,
                                                    double margenPct)
{
    Documento copia = doc;
    Revisar(copia);
    return PresupuestarServicio(copia.calculo.Personal, servicio, base, margenPct);
}

std::optional<Presupuesto> PresupuestarConElCalculoAPrecio(const Documento& doc, int servicio, BaseCoste base,
                                                           double precio)
{
    Documento copia = doc;
    Revisar(copia);
    return PresupuestarAPrecio(copia.calculo.Personal, servicio, base, precio);
}

double GasoleoDelCalculo(const Documento& doc)
{
    Documento copia = doc;
    Revisar(copia);
    return copia.calculo.Personal[campos::V::PrecioGasoleoEspana].numeroOCero();
}

} // namespace tarvia

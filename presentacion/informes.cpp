#include "presentacion/informes.h"

#include "core/catalogo.h"
#include "core/grupos.h"
#include "presentacion/grafico.h"

#include <algorithm>

namespace tarvia {

namespace C = campos::C;
namespace R = campos::R;

std::vector<CampoDeHoja> ResultadosEnOrdenDeInforme()
{
    std::vector<CampoDeHoja> orden(campos::kFilasDeCostes.begin(), campos::kFilasDeCostes.end());
    for (CampoDeHoja c : campos::kFilasDeCostes)
        orden.push_back(R::PorcentajeDe(c));
    for (int i = 1; i <= NumeroDeCampos(Hoja::R); ++i)
        if (std::find(orden.begin(), orden.end(), CampoDeHoja{Hoja::R, i}) == orden.end())
            orden.push_back({Hoja::R, i});
    return orden;
}

namespace {

QString Cifra(const Arreglo& R, CampoDeHoja r, const Localizacion& loc)
{
    const auto x = R(r.i).comoNumero();
    return x ? FormatearNumero(*x, Decimales(r), loc) : QString();
}

bool EsPorcentaje(CampoDeHoja r)
{
    return std::any_of(campos::kFilasDeCostes.begin(), campos::kFilasDeCostes.end(),
                       [&](CampoDeHoja c) { return R::PorcentajeDe(c) == r; });
}

// Where the results table starts a new part, and its title.
QString TituloDeParte(size_t fila)
{
    if (fila == 0)
        return QStringLiteral("Costes anuales (euros)");
    if (fila == campos::kFilasDeCostes.size())
        return QStringLiteral("Estructura de costes (% del total)");
    if (fila == 2 * campos::kFilasDeCostes.size())
        return QStringLiteral("Actividad y costes unitarios");
    return {};
}

// One table per part of the results, each row filled by `celdas`.
template <class Celdas>
void TablasDeResultados(Informe& inf, const QString& esquina, const QStringList& columnas, Celdas celdas)
{
    const auto orden = ResultadosEnOrdenDeInforme();
    TablaInforme* tabla = nullptr;
    for (size_t f = 0; f < orden.size(); ++f) {
        if (const QString titulo = TituloDeParte(f); !titulo.isEmpty()) {
            TablaInforme t;
            t.titulo = titulo;
            t.esquina = esquina;
            t.columnas = columnas;
            inf.bloques.emplace_back(std::move(t));
            tabla = &std::get<TablaInforme>(inf.bloques.back());
        }
        const CampoDeHoja r = orden[f];
        const bool grupo =
            campos::EsGrupoDeCostes(r) || std::any_of(campos::kGruposDeCostes.begin(), campos::kGruposDeCostes.end(),
                                                      [&](CampoDeHoja g) { return R::PorcentajeDe(g) == r; });
        QString rotulo = RotuloDeResultado(r);
        if (EsPorcentaje(r) && !rotulo.contains(u'%'))
            rotulo += QStringLiteral(" (%)");
        tabla->filas.push_back({rotulo, celdas(r), grupo});
    }
}

Informe Nuevo(const QString& titulo, QDate hoy, const Localizacion& loc)
{
    Informe inf;
    inf.titulo = titulo;
    inf.loc = loc;
    inf.pie = PieDeInforme();
    inf.cabecera << LineaDeFecha(hoy, loc);
    return inf;
}

QString Euros(double x, const Localizacion& loc) { return FormatearNumero(x, 2, loc) + QStringLiteral(" €"); }

} // namespace

QString FraseDeEquilibrio(double precioKm, std::optional<int> km, const Localizacion& loc)
{
    const QString precio = FormatearNumero(precioKm, 4, loc);
    return km ? QStringLiteral("Precio por km: %1 €. Equilibrio: a partir de %2 km al año C1 no supera el precio.")
                    .arg(precio, FormatearNumero(*km, 0, loc))
              : QStringLiteral("Precio por km: %1 €. Ni con el máximo de kilómetros anuales C1 baja de ese precio.")
                    .arg(precio);
}

Informe InformeEquilibrio(const QString& descripcion, const QString& archivo, double precioKm, std::optional<int> km,
                          QDate hoy, const Localizacion& loc)
{
    Informe inf = Nuevo(QStringLiteral("Kilómetros de equilibrio"), hoy, loc);
    inf.cabecera.prepend(QStringLiteral("Cálculo: %1").arg(NombreDeCalculo(descripcion, archivo)));
    inf.bloques.emplace_back(ParrafoInforme{FraseDeEquilibrio(precioKm, km, loc), false});
    return inf;
}

Informe InformeComparacion(const std::vector<ResultadoArchivo>& calculos, QDate hoy, const Localizacion& loc)
{
    Informe inf = Nuevo(QStringLiteral("Comparación de cálculos"), hoy, loc);
    for (size_t k = 0; k < calculos.size(); ++k) {
        const ResultadoArchivo& c = calculos[k];
        inf.cabecera << QStringLiteral("[%1] %2").arg(k + 1).arg(
            c.error.isEmpty() ? NombreDeCalculo(c.descripcion, c.archivo)
                              : QStringLiteral("%1: %2").arg(NombreDeCalculo({}, c.archivo), c.error));
    }
    if (calculos.size() > 1)
        inf.bloques.emplace_back(ParrafoInforme{
            QStringLiteral("Las columnas «[k] − [1]» dan la diferencia de cada cálculo con el primero."), false});

    // Each calculation, and after each but the first its difference to the first.
    QStringList columnas;
    for (size_t k = 0; k < calculos.size(); ++k) {
        columnas << QStringLiteral("[%1]").arg(k + 1);
        if (k > 0)
            columnas << QStringLiteral("[%1] − [1]").arg(k + 1);
    }
    TablasDeResultados(inf, QStringLiteral("Concepto"), columnas, [&](CampoDeHoja r) {
        // A file that did not open, or a result with no figure, reads "—".
        const auto cifra = [&](const ResultadoArchivo& c, double& x) {
            const auto v = c.R(r.i).comoNumero();
            x = v.value_or(0);
            return c.error.isEmpty() && v.has_value();
        };
        QStringList celdas;
        double base = 0;
        const bool hayBase = !calculos.empty() && cifra(calculos[0], base);
        for (size_t k = 0; k < calculos.size(); ++k) {
            double x = 0;
            const bool hay = cifra(calculos[k], x);
            celdas << (hay ? FormatearNumero(x, Decimales(r), loc) : QStringLiteral("—"));
            if (k > 0)
                celdas << (hay && hayBase ? FormatearNumero(x - base, Decimales(r), loc) : QStringLiteral("—"));
        }
        return celdas;
    });

    GraficoInforme g;
    g.tipo = GraficoInforme::Tipo::BarrasApiladas;
    g.titulo = QStringLiteral("Estructura de costes anual");
    g.ejeY = QStringLiteral("Euros al año");
    for (size_t k = 0; k < calculos.size(); ++k)
        g.categorias << QStringLiteral("[%1]").arg(k + 1);
    for (int p = 0; p < kPorciones; ++p) {
        SerieInforme s;
        s.nombre = RotuloDeResultado(campos::kPorcionesDelGrafico[static_cast<size_t>(p)]);
        s.porcion = p;
        for (size_t k = 0; k < calculos.size(); ++k) {
            const ResultadoArchivo& c = calculos[k];
            s.puntos.emplace_back(double(k), c.error.isEmpty() ? c.R(kIndicePorcion[size_t(p)]).numeroOCero() : 0.0);
        }
        g.series.push_back(std::move(s));
    }
    inf.bloques.emplace_back(std::move(g));
    return inf;
}

Informe InformeSensibilidad(const PedidoSensibilidad& pedido, const std::vector<PuntoSensibilidad>& puntos, QDate hoy,
                            const Localizacion& loc)
{
    Informe inf = Nuevo(QStringLiteral("Sensibilidad"), hoy, loc);
    inf.cabecera.prepend(QStringLiteral("Cálculo: %1").arg(NombreDeCalculo(pedido.descripcion, pedido.archivo)));
    const QString variable = RotuloDeResultado(pedido.campo);
    const int decimales = std::max(0, Decimales(pedido.campo));
    const auto valor = [&](double x) { return FormatearNumero(x, decimales, loc); };
    inf.bloques.emplace_back(ParrafoInforme{
        QStringLiteral("Variable: %1. Valor en el cálculo: %2.").arg(variable, valor(pedido.valorActual)), false});
    if (pedido.precioKm)
        inf.bloques.emplace_back(ParrafoInforme{FraseDeEquilibrio(*pedido.precioKm, pedido.kmEquilibrio, loc), false});

    TablaInforme t;
    t.titulo = QStringLiteral("C1, C2 y coste total para cada valor");
    t.esquina = variable;
    t.columnas = {RotuloDeResultado(R::C1), RotuloDeResultado(R::C2), RotuloDeResultado(R::Totales)};
    QStringList rechazos;
    for (const PuntoSensibilidad& p : puntos) {
        if (p.rechazado) {
            const QString motivo = QString(p.mensaje).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified();
            t.filas.push_back({valor(p.valor), {QStringLiteral("rechazado"), QString(), QString()}, false});
            rechazos << QStringLiteral("%1: %2").arg(valor(p.valor), motivo);
            continue;
        }
        t.filas.push_back(
            {valor(p.valor), {Cifra(p.R, R::C1, loc), Cifra(p.R, R::C2, loc), Cifra(p.R, R::Totales, loc)}, false});
    }
    inf.bloques.emplace_back(std::move(t));
    for (const QString& r : rechazos)
        inf.bloques.emplace_back(ParrafoInforme{QStringLiteral("Valor rechazado %1").arg(r), true});

    GraficoInforme g;
    g.titulo = QStringLiteral("C1 y C2 según %1").arg(variable);
    g.ejeX = variable;
    g.ejeY = RotuloDeResultado(R::C1);
    g.ejeYDerecho = RotuloDeResultado(R::C2);
    SerieInforme c1{RotuloDeResultado(R::C1), {}, -1, false, false};
    SerieInforme c2{RotuloDeResultado(R::C2), {}, -1, true, false};
    SerieInforme marca{QStringLiteral("Valor en el cálculo"), {}, -1, false, true};
    for (const PuntoSensibilidad& p : puntos) {
        if (p.rechazado)
            continue;
        c1.puntos.emplace_back(p.valor, p.R(R::C1.i).numeroOCero());
        c2.puntos.emplace_back(p.valor, p.R(R::C2.i).numeroOCero());
        if (std::abs(p.valor - pedido.valorActual) < 1e-9 * std::max(1.0, std::abs(pedido.valorActual)))
            marca.puntos.emplace_back(p.valor, p.R(R::C1.i).numeroOCero());
    }
    g.series = {c1, c2, marca};
    if (pedido.precioKm && !c1.puntos.empty())
        g.series.push_back({QStringLiteral("Precio por km"),
                            {{c1.puntos.front().x(), *pedido.precioKm}, {c1.puntos.back().x(), *pedido.precioKm}},
                            -1,
                            false,
                            false});
    inf.bloques.emplace_back(std::move(g));

    // Every result for every value, as the calculation's results sheet gives it.
    QStringList columnas;
    for (const PuntoSensibilidad& p : puntos)
        columnas << valor(p.valor);
    inf.bloques.emplace_back(
        ParrafoInforme{QStringLiteral("Todos los resultados, por valor de %1").arg(variable), true});
    TablasDeResultados(inf, QStringLiteral("Concepto"), columnas, [&](CampoDeHoja r) {
        QStringList celdas;
        for (const PuntoSensibilidad& p : puntos)
            celdas << (p.rechazado ? QStringLiteral("—") : Cifra(p.R, r, loc));
        return celdas;
    });
    return inf;
}

Informe InformeRevision(const PedidoRevisionInforme& pedido, const Revision& r, QDate hoy, const Localizacion& loc)
{
    Informe inf = Nuevo(QStringLiteral("Revisión del precio por el gasóleo"), hoy, loc);
    inf.cabecera.prepend(QStringLiteral("Cálculo: %1").arg(NombreDeCalculo(pedido.descripcion, pedido.archivo)));
    inf.bloques.emplace_back(ParrafoInforme{
        QStringLiteral("Artículo 38 de la Ley 15/2009, de 11 de noviembre, del contrato de transporte terrestre de "
                       "mercancías: ΔP = G × P × IR / 100."),
        false});
    const auto num = [&](double x, int d) { return FormatearNumero(x, d, loc); };
    TablaInforme datos;
    datos.titulo = QStringLiteral("Datos");
    datos.pares = true;
    datos.esquina = QStringLiteral("Dato");
    datos.columnas = {QStringLiteral("Valor")};
    datos.filas = {
        {QStringLiteral("Precio del transporte (P)"), {Euros(pedido.precio, loc)}},
        {QStringLiteral("Gasóleo al contratar (€/l)"), {num(pedido.gasoleoContrato, 3)}},
        {QStringLiteral("Gasóleo al realizar el transporte (€/l)"), {num(pedido.gasoleoServicio, 3)}},
        {QStringLiteral("Umbral de revisión (%)"), {num(pedido.umbralPct, 2)}},
        {QStringLiteral("Fecha del contrato"), {FormatearFecha(pedido.fechaContrato, loc)}},
        {QStringLiteral("Masa máxima autorizada (kg)"), {num(pedido.mma, 0)}},
        {QStringLiteral("Vehículo de obras"), {pedido.obra ? QStringLiteral("Sí") : QStringLiteral("No")}},
    };
    const PreciosPorFechas* f = pedido.porFechas ? &*pedido.porFechas : nullptr;
    if (f && f->completos()) {
        // The prices as published: a fourth decimal is part of the figure the law refers to.
        datos.filas[1].celdas = {PrecioGasoleoInforme(*f->contrato, loc)};
        datos.filas[2].celdas = {PrecioGasoleoInforme(*f->servicio, loc)};
        datos.filas.insert(datos.filas.begin() + 5,
                           {QStringLiteral("Fecha del transporte"), {FormatearFecha(pedido.fechaServicio, loc)}});
    }
    inf.bloques.emplace_back(std::move(datos));
    if (f && f->completos())
        inf.bloques.emplace_back(ParrafoInforme{
            QStringLiteral("Precios medios mensuales del gasóleo publicados: al contratar, el de %1; al realizar el "
                           "transporte, el de %2.")
                .arg(MesConOrigen(f->mesContrato, *f->contrato), MesConOrigen(f->mesServicio, *f->servicio)),
            false});

    TablaInforme res;
    res.titulo = QStringLiteral("Revisión");
    res.pares = true;
    res.esquina = QStringLiteral("Concepto");
    res.columnas = {QStringLiteral("Valor")};
    res.filas = {
        {QStringLiteral("Variación del gasóleo (G, %)"), {num(r.variacionPct, 2)}},
        {QStringLiteral("Índice de repercusión (IR)"), {num(r.indice, 2)}},
        {QStringLiteral("¿Procede la revisión?"), {r.aplica ? QStringLiteral("Sí") : QStringLiteral("No")}},
        {QStringLiteral("Variación del precio (ΔP)"), {Euros(r.incremento, loc)}, true},
        {QStringLiteral("Precio revisado"), {Euros(r.precioRevisado, loc)}, true},
        {QStringLiteral("Peso propio del combustible en el coste (%)"), {num(r.cuotaCombustiblePct, 1)}},
        {QStringLiteral("Variación con el peso propio del combustible"), {Euros(r.incrementoCuotaPropia, loc)}},
    };
    inf.bloques.emplace_back(std::move(res));
    if (!r.aplica)
        inf.bloques.emplace_back(ParrafoInforme{
            QStringLiteral("La variación del gasóleo no alcanza el umbral: el precio no se revisa."), false});
    inf.bloques.emplace_back(ParrafoInforme{
        QStringLiteral("El peso propio del combustible es el de este cálculo; sirve de comparación y no sustituye "
                       "al índice de repercusión que fija la norma."),
        false});
    if (!pedido.avisoIndices.isEmpty())
        inf.bloques.emplace_back(ParrafoInforme{pedido.avisoIndices, true});
    return inf;
}

QString PrecioGasoleoInforme(const PrecioGasoleo& p, const Localizacion& loc)
{
    return FormatearNumero(p.euros, std::max(3, p.decimales), loc);
}

QString MesConOrigen(Mes m, const PrecioGasoleo& p)
{
    return NombreMes(m) + (p.origen == PrecioGasoleo::Origen::Oficial ? QStringLiteral(" (tabla oficial)")
                                                                      : QStringLiteral(" (sus precios)"));
}

Informe InformeRevisionLista(const PedidoListaInforme& pedido, const RevisionDeLista& r, QDate hoy,
                             const Localizacion& loc)
{
    Informe inf = Nuevo(QStringLiteral("Revisión por gasóleo de una lista de servicios"), hoy, loc);
    inf.cabecera.prepend(QStringLiteral("Cálculo: %1").arg(NombreDeCalculo(pedido.descripcion, pedido.archivo)));
    inf.bloques.emplace_back(ParrafoInforme{
        QStringLiteral("Artículo 38 de la Ley 15/2009: ΔP = G × P × IR / 100, con los precios medios mensuales del "
                       "gasóleo del mes del contrato y del mes del transporte, y el índice de repercusión vigente en "
                       "la fecha del contrato."),
        false});
    const auto num = [&](double x, int d) { return FormatearNumero(x, d, loc); };
    const auto mes = [](Mes m) { return QStringLiteral("%1/%2").arg(m.mes, 2, 10, QChar(u'0')).arg(m.anio); };
    TablaInforme t;
    t.titulo = QStringLiteral("Servicios revisados");
    t.esquina = QStringLiteral("Referencia");
    // Short headings: a heading sets its column's width, and the whole row fits the page.
    t.columnas = {QStringLiteral("Contrato"), QStringLiteral("Servicio"),    QStringLiteral("Meses"),
                  QStringLiteral("G (%)"),    QStringLiteral("IR"),          QStringLiteral("Pactado (€)"),
                  QStringLiteral("ΔP (€)"),   QStringLiteral("Revisado (€)")};
    SeriePrecios usados;
    for (const FilaRevisada& f : r.filas) {
        const ServicioARevisar& s = f.servicio;
        t.filas.push_back({s.referencia,
                           {FormatearFecha(s.contrato, loc), FormatearFecha(s.servicio, loc),
                            mes(f.precios.mesContrato) + QStringLiteral(" → ") + mes(f.precios.mesServicio),
                            num(f.revision.variacionPct, 2), num(f.revision.indice, 2), num(s.precio, 2),
                            num(f.revision.incremento, 2), num(f.revision.precioRevisado, 2)}});
        usados[f.precios.mesContrato] = *f.precios.contrato;
        usados[f.precios.mesServicio] = *f.precios.servicio;
    }
    t.filas.push_back({QStringLiteral("Total"),
                       {{}, {}, {}, {}, {}, num(r.totalPactado, 2), num(r.totalIncremento, 2), num(r.totalRevisado, 2)},
                       true});
    inf.bloques.emplace_back(std::move(t));
    inf.bloques.emplace_back(ParrafoInforme{
        (r.filas.size() == 1 ? QStringLiteral("1 servicio revisado")
                             : QStringLiteral("%1 servicios revisados").arg(r.filas.size())) +
            (r.errores.empty()       ? QStringLiteral(".")
             : r.errores.size() == 1 ? QStringLiteral("; 1 línea no revisada.")
                                     : QStringLiteral("; %1 líneas no revisadas.").arg(r.errores.size())),
        false});

    if (!usados.empty()) {
        TablaInforme p;
        p.titulo = QStringLiteral("Precios medios del gasóleo usados");
        p.esquina = QStringLiteral("Mes");
        p.columnas = {QStringLiteral("€/l"), QStringLiteral("Origen")};
        for (const auto& [m, precio] : usados)
            p.filas.push_back({NombreMes(m),
                               {PrecioGasoleoInforme(precio, loc), precio.origen == PrecioGasoleo::Origen::Oficial
                                                                       ? QStringLiteral("Tabla oficial")
                                                                       : QStringLiteral("Sus precios")}});
        inf.bloques.emplace_back(std::move(p));
    }
    if (!r.errores.empty()) {
        inf.bloques.emplace_back(
            ParrafoInforme{QStringLiteral("Líneas no revisadas (%1)").arg(r.errores.size()), true});
        for (const ErrorDeFila& e : r.errores)
            inf.bloques.emplace_back(ParrafoInforme{LineaDeError(e), false});
    }
    if (!pedido.avisoIndices.isEmpty())
        inf.bloques.emplace_back(ParrafoInforme{pedido.avisoIndices, true});
    return inf;
}

Informe InformePresupuesto(const DatosPresupuesto& datos, const std::optional<Presupuesto>& p, QDate hoy,
                           const Localizacion& loc)
{
    Informe inf = Nuevo(QStringLiteral("Presupuesto de transporte"), hoy, loc);
    inf.cabecera = datos.empresa;
    inf.cabecera << LineaDeFecha(hoy, loc);
    if (!datos.cliente.isEmpty())
        inf.cabecera << QStringLiteral("Cliente: %1").arg(datos.cliente);
    if (!datos.recorrido.isEmpty())
        inf.cabecera << QStringLiteral("Recorrido: %1").arg(datos.recorrido);
    inf.cabecera << QStringLiteral("Vehículo: %1").arg(datos.vehiculo);
    if (!p) {
        inf.bloques.emplace_back(ParrafoInforme{
            QStringLiteral("Este servicio no tiene coste: escriba sus kilómetros u horas en carga en la hoja "
                           "«Costes de un servicio concreto»."),
            true});
        return inf;
    }
    TablaInforme t;
    t.pares = true;
    t.esquina = QStringLiteral("Concepto");
    t.columnas = {QStringLiteral("Importe")};
    t.filas = {
        {QStringLiteral("Precio del servicio, sin IVA"), {Euros(p->precio, loc)}},
        {QStringLiteral("IVA (%1 %)").arg(FormatearNumero(p->ivaPct, 0, loc)), {Euros(p->iva, loc)}},
        {QStringLiteral("Total"), {Euros(p->total, loc)}, true},
    };
    inf.bloques.emplace_back(std::move(t));
    inf.bloques.emplace_back(
        ParrafoInforme{QStringLiteral("Oferta válida durante %1 días desde su fecha.").arg(datos.validezDias), false});
    if (datos.gasoleoClausula && *datos.gasoleoClausula > 0)
        inf.bloques.emplace_back(ParrafoInforme{
            QStringLiteral("Este precio se revisará, al alza o a la baja, cuando el precio medio del gasóleo varíe "
                           "un 5 % o más respecto a %1 €/l (%2), según el artículo 38 de la Ley 15/2009, de 11 de "
                           "noviembre, del contrato de transporte terrestre de mercancías.")
                .arg(FormatearNumero(*datos.gasoleoClausula, 3, loc), FormatearFecha(datos.fechaGasoleo, loc)),
            false});
    return inf;
}

} // namespace tarvia

#include "presentacion/resumen.h"

#include "core/catalogo.h"
#include "core/grupos.h"
#include "engine/resultados.h"
#include "engine/servicio.h"
#include "presentacion/grafico.h"

#include <algorithm>

namespace tarvia {

namespace {

namespace C = campos::C;
namespace V = campos::V;
namespace R = campos::R;

// The two columns, as the sheets head them.
const QString kPersonal = QStringLiteral("Cálculo Personalizado");
const QString kReferencia = QStringLiteral("Baremario de Costes");
const QString kSinCifra = QStringLiteral("—");

// The inputs a reader asks about first, with the caption the summary gives them.
struct Dato {
    CampoDeHoja campo;
    const char* rotulo;
};
constexpr Dato kDatos[] = {
    {C::KilometrosAnuales, "Kilómetros recorridos al año"},
    {C::PorcentajeEnCarga, "Kilómetros recorridos en carga (%)"},
    {C::HorasAnuales, "Horas trabajadas al año"},
    {V::PrecioGasoleoEspanaConIva, "Precio del gasóleo con IVA (€/litro)"},
    {V::Consumo, "Consumo medio (litros/100 km)"},
};

// What each good cost when bought: the price after the discount. The good
// itself (its option, list price, yearly cost) comes from core's list.
struct PrecioDeBien {
    size_t bien; // in campos::kBienes
    CampoDeHoja adquisicion;
    const char* nombre;
};
constexpr PrecioDeBien kPreciosDeBienes[] = {
    {0, campos::F1::PrecioAdquisicion, "Vehículo de tracción"},
    {1, campos::F1::CarrozadoPrecio, "Carrozado"},
    {2, campos::F2::PrecioAdquisicion, "Semirremolque o remolque"},
    {3, campos::F2::EquiposPrecioAdquisicion, "Equipos auxiliares"},
};

// The unit costs as the results sheet lists them, each total beside its loaded one.
constexpr CampoDeHoja kUnitarios[] = {R::C1,        R::C1EnCarga, R::C2,        R::C2EnCarga, R::C3,
                                      R::C3EnCarga, R::C4,        R::C4EnCarga, R::C5};

class Resumen {
public:
    explicit Resumen(const Documento& doc) : doc_(doc), loc_(doc.calculo.Local) {}

    QString Cifra(Columna c, CampoDeHoja campo) const
    {
        const auto x = doc_.calculo.Columna(c)[campo].comoNumero();
        return x ? FormatearNumero(*x, std::max(0, Decimales(campo)), loc_) : kSinCifra;
    }
    double Numero(Columna c, CampoDeHoja campo) const { return doc_.calculo.Columna(c)[campo].numeroOCero(); }
    // A result the results sheet shows in that column; the reference data
    // carries no tonnage, so its sheet leaves C5 out.
    bool Visible(Columna c, CampoDeHoja r) const
    {
        if (c == Columna::O && (r == R::ToneladasKilometro || r == R::C5))
            return false;
        return doc_.pantalla.caja(r.hoja, c, r.i).visible;
    }
    QString Resultado(Columna c, CampoDeHoja r) const { return Visible(c, r) ? Cifra(c, r) : kSinCifra; }

    TablaInforme Datos() const
    {
        TablaInforme t;
        t.titulo = QStringLiteral("Datos principales");
        t.esquina = QStringLiteral("Dato");
        t.columnas = {kPersonal, kReferencia};
        for (const Dato& d : kDatos)
            t.filas.push_back({QString::fromUtf8(d.rotulo), {Cifra(Columna::S, d.campo), Cifra(Columna::O, d.campo)}});
        // A good that is bought shows its price; one in another form (renting,
        // leasing) its yearly cost; one the vehicle has not, nothing.
        for (const PrecioDeBien& p : kPreciosDeBienes) {
            const campos::Bien& b = campos::kBienes[p.bien];
            QStringList precio, anual;
            for (Columna c : {Columna::S, Columna::O}) {
                const bool comprado = doc_.calculo.Columna(c)[b.opcion].comoLogico().value_or(true);
                const bool conPrecio = comprado && Numero(c, b.tarifa) > 0;
                const bool conCoste = !comprado && b.costeAnual && Numero(c, *b.costeAnual) > 0;
                precio << (conPrecio ? Cifra(c, p.adquisicion) : kSinCifra);
                anual << (conCoste ? Cifra(c, *b.costeAnual) : kSinCifra);
            }
            const auto alguna = [](const QStringList& l) { return l[0] != kSinCifra || l[1] != kSinCifra; };
            const QString nombre = QString::fromUtf8(p.nombre);
            if (alguna(precio))
                t.filas.push_back({QStringLiteral("%1: precio de adquisición sin IVA (€)").arg(nombre), precio});
            if (alguna(anual))
                t.filas.push_back({QStringLiteral("%1: coste anual sin IVA (€)").arg(nombre), anual});
        }
        return t;
    }

    TablaInforme Costes() const
    {
        TablaInforme t;
        t.titulo = QStringLiteral("Estructura de costes anual");
        t.esquina = QStringLiteral("Coste");
        t.columnas = {kPersonal + QStringLiteral(" (€)"), QStringLiteral("%"), kReferencia + QStringLiteral(" (€)"),
                      QStringLiteral("%")};
        for (CampoDeHoja r : campos::kFilasDeCostes) {
            // The indirect items appear only where they are entered one by one.
            if (!Visible(Columna::S, r) && !Visible(Columna::O, r))
                continue;
            const CampoDeHoja pct = R::PorcentajeDe(r);
            t.filas.push_back({RotuloDeResultado(r),
                               {Resultado(Columna::S, r), Resultado(Columna::S, pct), Resultado(Columna::O, r),
                                Resultado(Columna::O, pct)},
                               campos::EsGrupoDeCostes(r)});
        }
        return t;
    }

    TablaInforme Unitarios() const
    {
        TablaInforme t;
        t.titulo = QStringLiteral("Costes unitarios");
        t.esquina = QStringLiteral("Coste unitario");
        t.columnas = {kPersonal, kReferencia};
        for (CampoDeHoja r : kUnitarios)
            t.filas.push_back(
                {RotuloDeResultado(r), {Resultado(Columna::S, r), Resultado(Columna::O, r)}, r == R::C1 || r == R::C2});
        return t;
    }

    // The personal column's pie, its wedges from the percentages as the sheet rounds them.
    GraficoInforme Tarta() const
    {
        GraficoInforme g;
        g.tipo = GraficoInforme::Tipo::Tarta;
        g.titulo = QStringLiteral("Reparto de los costes del %1").arg(kPersonal);
        for (int p = 0; p < kPorciones; ++p) {
            const CampoDeHoja coste = campos::kPorcionesDelGrafico[size_t(p)];
            g.porcentajes.push_back(Numero(Columna::S, R::PorcentajeDe(coste)));
            SerieInforme s;
            s.nombre = RotuloDeResultado(coste);
            s.porcion = p;
            g.series.push_back(std::move(s));
        }
        return g;
    }

    QString Fecha(Columna c) const
    {
        const QDate f = doc_.calculo.Columna(c).Fecha;
        return f.isValid() ? FormatearFecha(f, loc_) : QStringLiteral("sin fecha");
    }

private:
    const Documento& doc_;
    const Localizacion& loc_;
};

} // namespace

Informe ResumenDeCostes(const Documento& doc, QDate hoy, const QString& archivo)
{
    // The results and services as their sheets show them when opened.
    Documento vista = doc;
    Actualizar(vista);
    Revisar(vista);
    const Resumen r(vista);

    Informe inf;
    inf.titulo = QStringLiteral("Resumen de costes");
    inf.loc = doc.calculo.Local;
    inf.pie = PieDeInforme();
    inf.unaPagina = true;
    const QString descripcion = doc.calculo.Personal[C::Descripcion].comoTexto().trimmed();
    inf.cabecera
        << QStringLiteral("Vehículo: %1").arg(descripcion.isEmpty() ? QStringLiteral("sin descripción") : descripcion);
    if (const QString explotacion = doc.calculo.Personal[C::DescripcionExplotacion].comoTexto().trimmed();
        !explotacion.isEmpty())
        inf.cabecera << QStringLiteral("Explotación: %1").arg(explotacion);
    const QString ruta = doc.calculo.RutaArchivo.isEmpty() ? archivo : doc.calculo.RutaArchivo;
    inf.cabecera
        << QStringLiteral("Archivo: %1").arg(ruta.isEmpty() ? QStringLiteral("sin grabar") : NombreDeCalculo({}, ruta));
    inf.cabecera << QStringLiteral("Fecha del %1: %2; del %3: %4")
                        .arg(kPersonal, r.Fecha(Columna::S), kReferencia, r.Fecha(Columna::O));
    inf.cabecera << LineaDeFecha(hoy, inf.loc);

    inf.bloques.emplace_back(r.Datos());
    inf.bloques.emplace_back(r.Costes());
    inf.bloques.emplace_back(r.Unitarios());
    inf.bloques.emplace_back(r.Tarta());
    return inf;
}

} // namespace tarvia

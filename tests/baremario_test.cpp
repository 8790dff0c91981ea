// The reference data delivered beside the program: every vehicle type loads,
// passes the checks a user's entry must pass, and costs what data/README.md
// says a vehicle of its kind costs.
#include "core/archivo.h"
#include "core/catalogo.h"
#include "engine/abrir.h"
#include "engine/repartir.h"
#include "presentacion/documento.h"
#include "presentacion/marcos.h"
#include "presentacion/validacion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

using namespace tarvia;

namespace {

enum class Grupo { Articulado, Rigido, Furgoneta, Frigorifico, Cisterna, Especial };

struct Tipo {
    const char* archivo;
    Grupo grupo;
    bool semirremolque; // articulated or road train: F2(2) > 0
    bool frio;          // refrigeration unit with its own fuel: V(8) > 0
    bool internacional; // part of the fuel bought abroad: V(33) < 100
    bool adr = false;   // dangerous goods: ADR inspections
};

void PrintTo(const Tipo& t, std::ostream* os) { *os << t.archivo; }

// In the order of the vehicle-type dialog's buttons.
const std::vector<Tipo> kTipos = {
    {"Articulado Carga General", Grupo::Articulado, true, false, false},
    {"Articulado Internacional", Grupo::Articulado, true, false, true},
    {"Tren Carretera", Grupo::Articulado, true, false, false},
    {"3 Ejes Carga General", Grupo::Rigido, false, false, false},
    {"2 Ejes Carga General", Grupo::Rigido, false, false, false},
    {"2 Ejes Distribucion", Grupo::Rigido, false, false, false},
    {"Furgoneta", Grupo::Furgoneta, false, false, false},
    {"Frigorifico Articulado", Grupo::Frigorifico, true, true, false},
    {"Frigorifico Internacional", Grupo::Frigorifico, true, true, true},
    {"Frigorifico 2 Ejes", Grupo::Frigorifico, false, true, false},
    {"Cisterna Quimicos", Grupo::Cisterna, true, false, false, true},
    {"Cisterna Gases", Grupo::Cisterna, true, false, false, true},
    {"Cisterna Alimentacion", Grupo::Cisterna, true, false, false},
    {"Cisterna Pulverulentos", Grupo::Cisterna, true, false, false},
    {"Portavehiculos", Grupo::Especial, true, false, false},
    {"Portavehiculos Industriales", Grupo::Especial, true, false, false},
    {"Volquete Graneles", Grupo::Especial, true, false, false},
    {"Volquete Obra", Grupo::Especial, false, false, false},
    {"3 Ejes Animales", Grupo::Rigido, false, false, false},
    {"Portacontenedores", Grupo::Articulado, true, false, false},
};

// Plausible cost per kilometre (C1, euros per km), as data/README.md states.
struct Banda {
    double minimo, maximo;
};
Banda BandaDe(Grupo g)
{
    switch (g) {
    case Grupo::Articulado: return {1.05, 1.55};
    case Grupo::Rigido: return {1.00, 1.70};
    case Grupo::Furgoneta: return {0.85, 1.50};
    case Grupo::Frigorifico: return {1.10, 1.70};
    case Grupo::Cisterna: return {1.15, 1.70};
    case Grupo::Especial: return {1.20, 2.20};
    }
    return {0, 0};
}

QString Ruta(const Tipo& t)
{
    return QStringLiteral(TARVIA_BIN_DIR "/Baremario/") + QString::fromUtf8(t.archivo) + QStringLiteral(".brm");
}

std::string Nombre(const testing::TestParamInfo<Tipo>& info)
{
    std::string n;
    for (const char* c = info.param.archivo; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            n += *c;
    return n;
}

double N(const Arreglo& a, int i) { return a(i).numeroOCero(); }

// Every input of one column the sheets would not take as it stands: opened
// as the personal column, each reachable field through the program's own checks, and
// what opening changes. Options must read as true/false, texts fit their box.
std::vector<std::string> Rechazados(const Calculo& c, Columna col)
{
    Documento d;
    d.calculo = c;
    d.calculo.Personal = c.Columna(col);
    RepartirValores(d);
    std::vector<std::string> fallos;
    for (Hoja h : HojasDeEntrada)
        for (int k : c.Entradas(h)) {
            const Campo& campo = CampoDe(h, k);
            const Valor& leido = c.Columna(col)[h](k);
            const std::string nombre = std::string(Codigo(h)) + "(" + std::to_string(k) + ") ";
            // Only boxes a user can reach: a switched-off one may hold 0 below its limit.
            if (const Veredicto v = Validar(d.calculo, h, k); CampoEditable(d.pantalla, h, k) && v.rechazado)
                fallos.push_back(nombre + v.mensaje.simplified().toStdString());
            if (!(d.calculo.Personal[h](k) == leido))
                fallos.push_back(nombre + "cambia al abrir");
            if (campo.tipo == TipoCampo::Opcion && !leido.esLogico())
                fallos.push_back(nombre + "no es #TRUE#/#FALSE#");
            if (campo.tipo == TipoCampo::Texto &&
                (leido.texto().size() > campo.maxLength || leido.texto().contains(QChar::ReplacementCharacter)))
                fallos.push_back(nombre + "texto");
        }
    return fallos;
}

bool MitadesIguales(const Calculo& c)
{
    for (Hoja h : HojasDeEntrada)
        for (int k : c.Entradas(h))
            if (!(c.Personal[h](k) == c.Referencia[h](k)))
                return false;
    return true;
}

class Baremario : public testing::TestWithParam<Tipo> {
protected:
    void SetUp() override
    {
        InicializarCalculo(calculo);
        ASSERT_EQ(LeerValores(Ruta(GetParam()), calculo), FalloArchivo::Ninguno) << GetParam().archivo;
    }
    Calculo calculo;
};

TEST_P(Baremario, CadaCampoPasaLasComprobacionesDeLaHoja)
{
    for (Columna col : {Columna::S, Columna::O}) {
        EXPECT_EQ(Rechazados(calculo, col), std::vector<std::string>{});
        for (int k : calculo.Entradas(Hoja::S))
            EXPECT_EQ(N(calculo.Columna(col).S, k), 0) << "S(" << k << ")";
    }
}

TEST_P(Baremario, UnCalculoNuevoEmpiezaComoCopiaDeLaReferencia)
{
    EXPECT_TRUE(MitadesIguales(calculo));
    EXPECT_TRUE(calculo.Referencia.Fecha.isValid());
    EXPECT_EQ(calculo.Personal.Fecha, calculo.Referencia.Fecha);
    EXPECT_FALSE(HayCambios(calculo));
}

TEST_P(Baremario, ElTipoSeDistingueDeLosDemas)
{
    const Tipo& t = GetParam();
    const ValoresColumna& r = calculo.Referencia;
    if (t.grupo == Grupo::Furgoneta) {
        EXPECT_LT(N(r.C, 3), 7500); // no professional-diesel refund below 7.5 t
        EXPECT_EQ(N(r.V, 41), 0);
    } else {
        EXPECT_GE(N(r.C, 3), 7500);
        EXPECT_GT(N(r.V, 41), 0);
    }
    EXPECT_EQ(N(r.F2, 2) > 0, t.semirremolque);
    if (t.semirremolque) // its tyres count: semitrailer or trailer on its axles
        EXPECT_GT(N(r.V, 25), 0);
    else
        EXPECT_EQ(N(r.V, 25), 0);
    EXPECT_EQ(N(r.V, 8) > 0, t.frio);
    if (t.frio) {
        EXPECT_GT(N(r.F2, 14), 0); // the unit is amortised
    }
    EXPECT_EQ(N(r.F3, 25) > 0, t.frio);
    EXPECT_EQ(N(r.F3, 26) > 0, t.adr);
    EXPECT_EQ(N(r.V, 33) < 100, t.internacional);
    if (t.internacional) {
        EXPECT_GT(N(r.V, 35), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tipos, Baremario, testing::ValuesIn(kTipos), Nombre);

TEST(BaremarioCarpeta, VeinteArchivosConLosNombresDelDialogo)
{
    QSet<QString> esperados;
    for (const Tipo& t : kTipos)
        esperados.insert(QString::fromUtf8(t.archivo) + QStringLiteral(".brm"));
    const QStringList hay =
        QDir(QStringLiteral(TARVIA_BIN_DIR "/Baremario")).entryList({QStringLiteral("*.brm")}, QDir::Files);
    EXPECT_EQ(QSet<QString>(hay.begin(), hay.end()), esperados);

    // Each type is its own vehicle: no two descriptions alike.
    QSet<QString> descripciones;
    for (const Tipo& t : kTipos) {
        Calculo c;
        InicializarCalculo(c);
        ASSERT_EQ(LeerValores(Ruta(t), c), FalloArchivo::Ninguno) << t.archivo;
        descripciones.insert(c.Referencia.C(1).comoTexto());
    }
    EXPECT_EQ(descripciones.size(), static_cast<qsizetype>(kTipos.size()));
}

// --- With the engine: the cost per kilometre the program computes ----------

class BaremarioCoste : public testing::TestWithParam<Tipo> {};

TEST_P(BaremarioCoste, CosteKilometricoEnLaBandaDelTipo)
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    ASSERT_EQ(LeerArchivo(doc, Ruta(GetParam())), FalloArchivo::Ninguno);
    const Banda b = BandaDe(GetParam().grupo);
    for (const ValoresColumna* col : {&doc.calculo.Personal, &doc.calculo.Referencia}) {
        const double c1 = N(col->R, 43);
        EXPECT_GE(c1, b.minimo);
        EXPECT_LE(c1, b.maximo);
        // The indirect costs are a modest share of the direct ones.
        const double indirectos = N(col->R, 18) / N(col->R, 17);
        EXPECT_GT(indirectos, 0.03);
        EXPECT_LT(indirectos, 0.12);
    }
    EXPECT_EQ(N(doc.calculo.Personal.R, 43), N(doc.calculo.Referencia.R, 43));
    EXPECT_FALSE(HayCambios(doc.calculo));
    EXPECT_TRUE(doc.mensajes.empty());
}

INSTANTIATE_TEST_SUITE_P(Tipos, BaremarioCoste, testing::ValuesIn(kTipos), Nombre);

// --- The example calculation beside the program ---------------------------

const QString kEjemplo = QStringLiteral(TARVIA_BIN_DIR "/Cálculos/Mi articulado.trv");

TEST(CalculoDeEjemplo, EsUnArticuladoPropioFrenteASuReferencia)
{
    Calculo ejemplo, referencia;
    InicializarCalculo(ejemplo);
    InicializarCalculo(referencia);
    ASSERT_EQ(LeerValores(kEjemplo, ejemplo), FalloArchivo::Ninguno);
    ASSERT_EQ(LeerValores(Ruta(kTipos[0]), referencia), FalloArchivo::Ninguno);

    EXPECT_FALSE(MitadesIguales(ejemplo));
    EXPECT_NE(N(ejemplo.Personal.C, 7), N(ejemplo.Referencia.C, 7));
    EXPECT_NE(N(ejemplo.Personal.V, 1), N(ejemplo.Referencia.V, 1));
    EXPECT_GT(ejemplo.Personal.Fecha, ejemplo.Referencia.Fecha);
    for (Hoja h : HojasDeEntrada)
        for (int k : ejemplo.Entradas(h))
            EXPECT_EQ(ejemplo.Referencia[h](k), referencia.Referencia[h](k)) << Codigo(h) << "(" << k << ")";
    EXPECT_EQ(Rechazados(ejemplo, Columna::S), std::vector<std::string>{});
}

TEST(CalculoDeEjemplo, SuServicioSeValoraAlAbrirlo)
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    ASSERT_EQ(LeerArchivo(doc, kEjemplo), FalloArchivo::Ninguno);
    const ValoresColumna& p = doc.calculo.Personal;
    EXPECT_NE(N(p.R, 43), N(doc.calculo.Referencia.R, 43));
    // Service 1 priced by kilometres with the personal C1 in load.
    EXPECT_NEAR(N(p.S, 5), N(p.S, 2) + N(p.S, 3) * N(p.R, 44), 0.01);
    EXPECT_GT(N(p.S, 7), N(p.S, 2));
    EXPECT_FALSE(HayCambios(doc.calculo));
}

} // namespace

// The reference data delivered beside the program: every vehicle type loads,
// stays inside the limits and rules a user's entry must meet, and costs what
// data/README.md says a vehicle of its kind costs.
#include "core/archivo.h"
#include "core/catalogo.h"
#include "engine/abrir.h"
#include "presentacion/documento.h"

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
bool L(const Arreglo& a, int i) { return a(i).comoLogico().value_or(false); }

// The cross-field rules a personal entry must meet, with both columns' values.
std::vector<std::string> ReglasIncumplidas(const Calculo& c, const ValoresColumna& col)
{
    const Arreglo &C = col.C, &F1 = col.F1, &F2 = col.F2, &F3 = col.F3, &V = col.V, &I = col.I;
    std::vector<std::string> fallos;
    const double ruedas = N(V, 16) * N(V, 17) + N(V, 19) * N(V, 20) + N(V, 22) * N(V, 23);
    if ((100 - N(F1, 3)) * N(F1, 2) / 100 - ruedas * N(F1, 23) / 100 < 0)
        fallos.push_back("neumáticos del vehículo más caros que el vehículo");
    if ((100 - N(F2, 3)) * N(F2, 2) / 100 - N(V, 25) * N(V, 26) * N(F2, 25) / 100 < 0)
        fallos.push_back("neumáticos del semirremolque más caros que el semirremolque");
    for (int i : {16, 19, 22, 25})
        if (static_cast<long long>(N(V, i)) % 2 != 0)
            fallos.push_back("neumáticos impares en V(" + std::to_string(i) + ")");
    for (int i : {3, 10, 37}) {
        const double precio = N(V, i - 2);
        const double tope = precio * c.Maximos.V(i - 1).numero() / 100;
        if (precio > 0 && (N(V, i) < 0 || N(V, i) > tope))
            fallos.push_back("descuento V(" + std::to_string(i) + ") por encima del 60 %");
    }
    if (N(V, 41) > N(V, 1))
        fallos.push_back("devolución mayor que el precio");
    if (N(C, 17) > 0 && N(C, 12) / N(C, 17) > 24)
        fallos.push_back("más de 24 horas por jornada");
    // A group entered broken down has its total equal to its parts, as the
    // engine keeps it; loading must not change what the file says.
    auto suma = [&](std::initializer_list<int> partes) {
        double s = 0;
        for (int i : partes)
            s += N(F3, i);
        return s;
    };
    if (L(F3, 2) && std::abs(N(F3, 8) - (N(F3, 3) * N(F3, 4) + N(F3, 6) * N(C, 7))) > 0.005)
        fallos.push_back("F3(8) distinto de dietas más plus");
    if (L(F3, 9) && std::abs(N(F3, 18) - suma({10, 11, 12, 13, 14, 15, 16, 17, 29, 30, 31})) > 0.005)
        fallos.push_back("F3(18) distinto de la suma de seguros");
    if (L(F3, 19) && std::abs(N(F3, 28) - suma({20, 21, 22, 23, 24, 25, 26, 27})) > 0.005)
        fallos.push_back("F3(28) distinto de la suma de costes fiscales");
    if (L(I, 1) && std::abs(N(I, 5) - N(I, 2) - N(I, 3) - N(I, 4)) > 0.005)
        fallos.push_back("I(5) distinto de la suma de indirectos");
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

// The limits of each reachable box are checked through the avisos of every
// reference file (cli_test); these are the rules between fields.
TEST_P(Baremario, CumpleLasReglasEntreCampos)
{
    for (const ValoresColumna* col : {&calculo.Personal, &calculo.Referencia}) {
        EXPECT_EQ(ReglasIncumplidas(calculo, *col), std::vector<std::string>{});
        for (int k : calculo.Entradas(Hoja::S))
            EXPECT_EQ(N(col->S, k), 0) << "S(" << k << ")";
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
    EXPECT_EQ(ReglasIncumplidas(ejemplo, ejemplo.Personal), std::vector<std::string>{});
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

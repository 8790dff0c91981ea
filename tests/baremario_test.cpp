// The reference data delivered beside the program: every vehicle type of the
// dialog has its file, which passes the checks a user's entry must pass and
// costs what a goods vehicle plausibly costs. That each file is what its
// source and derivation rules give is the generator's check (baremario_fuente).
#include "core/archivo.h"
#include "core/catalogo.h"
#include "engine/abrir.h"
#include "engine/repartir.h"
#include "presentacion/documento.h"
#include "presentacion/marcos.h"
#include "presentacion/validacion.h"
#include "shell/tipos_vehiculo.h"

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

// The reference file of the dialog's type i, as the dialog finds it.
QString Ruta(int i) { return RutaBaremario(QStringLiteral(TARVIA_BIN_DIR), i); }

std::string Nombre(const testing::TestParamInfo<int>& info)
{
    std::string n;
    for (const char* c = TiposVehiculo[static_cast<size_t>(info.param)].nombre; *c; ++c)
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

class Baremario : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        InicializarCalculo(calculo);
        ASSERT_EQ(LeerValores(Ruta(GetParam()), calculo), FalloArchivo::Ninguno) << Ruta(GetParam()).toStdString();
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

// Opened, a new calculation is a copy of its reference, unchanged, with
// nothing to say and the same cost per kilometre in both columns.
TEST_P(Baremario, UnCalculoNuevoEmpiezaComoCopiaDeLaReferencia)
{
    Documento doc;
    InicializarCalculo(doc.calculo);
    ASSERT_EQ(LeerArchivo(doc, Ruta(GetParam())), FalloArchivo::Ninguno);
    const Calculo& c = doc.calculo;
    EXPECT_TRUE(MitadesIguales(c));
    EXPECT_TRUE(c.Referencia.Fecha.isValid());
    EXPECT_EQ(c.Personal.Fecha, c.Referencia.Fecha);
    EXPECT_FALSE(HayCambios(c));
    EXPECT_TRUE(doc.mensajes.empty());
    EXPECT_GT(N(c.Personal.R, 43), 0);
    EXPECT_EQ(N(c.Personal.R, 43), N(c.Referencia.R, 43));
}

INSTANTIATE_TEST_SUITE_P(Tipos, Baremario, testing::Range(0, static_cast<int>(TiposVehiculo.size())), Nombre);

TEST(BaremarioCarpeta, VeinteArchivosConLosNombresDelDialogo)
{
    QSet<QString> esperados;
    for (int i = 0; i < static_cast<int>(TiposVehiculo.size()); ++i)
        esperados.insert(QFileInfo(Ruta(i)).fileName());
    const QStringList hay =
        QDir(QStringLiteral(TARVIA_BIN_DIR "/Baremario")).entryList({QStringLiteral("*.brm")}, QDir::Files);
    EXPECT_EQ(QSet<QString>(hay.begin(), hay.end()), esperados);

    // Each type is its own vehicle: no two descriptions alike.
    QSet<QString> descripciones;
    for (int i = 0; i < static_cast<int>(TiposVehiculo.size()); ++i) {
        Calculo c;
        InicializarCalculo(c);
        ASSERT_EQ(LeerValores(Ruta(i), c), FalloArchivo::Ninguno) << Ruta(i).toStdString();
        descripciones.insert(c.Referencia.C(1).comoTexto());
    }
    EXPECT_EQ(descripciones.size(), static_cast<qsizetype>(TiposVehiculo.size()));
}

// --- The example calculation beside the program ---------------------------

const QString kEjemplo = QStringLiteral(TARVIA_BIN_DIR "/Cálculos/Mi articulado.trv");

// The user's own figures the sheets would take; its reference column and the
// service priced in it are the generator's and the fixed outputs' business.
TEST(CalculoDeEjemplo, EsUnArticuladoPropioQueLaHojaAdmite)
{
    Calculo ejemplo;
    InicializarCalculo(ejemplo);
    ASSERT_EQ(LeerValores(kEjemplo, ejemplo), FalloArchivo::Ninguno);
    EXPECT_FALSE(MitadesIguales(ejemplo));
    EXPECT_EQ(Rechazados(ejemplo, Columna::S), std::vector<std::string>{});
}

} // namespace

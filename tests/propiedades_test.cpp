// Properties over the whole field catalogue, from several loaded
// calculations: an entry committed on its sheet leaves the calculation, and
// every box, as opening a file with the same values would.
#include "core/catalogo.h"
#include "engine/abrir.h"
#include "engine/indirectos.h"
#include "engine/opciones.h"
#include "engine/repartir.h"
#include "engine/servicio.h"
#include "presentacion/edicion.h"
#include "presentacion/marcos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using namespace tarvia;

namespace {

std::string Nombre(Hoja h, int i) { return std::string(Codigo(h)) + "(" + std::to_string(i) + ")"; }

// A starting calculation: a file, and personal values changed before it is shown.
struct Partida {
    const char* archivo; // in the data folder beside the program
    std::vector<std::tuple<Hoja, int, Valor>> cambios;
};

const Partida kPartidas[] = {
    // Rented tractor and semitrailer, leased equipment, every group as a total.
    {"Baremario/Articulado Carga General.brm",
     {{Hoja::F1, 1, false},
      {Hoja::F2, 1, false},
      {Hoja::F2, 13, false},
      {Hoja::F3, 2, false},
      {Hoja::F3, 9, false},
      {Hoja::F3, 19, false},
      {Hoja::I, 1, false}}},
    // Every field that switches others off, at 0.
    {"Baremario/Articulado Carga General.brm",
     {{Hoja::C, 8, 0},
      {Hoja::C, 12, 0},
      {Hoja::F1, 8, 0},
      {Hoja::F2, 8, 0},
      {Hoja::F3, 3, 0},
      {Hoja::V, 16, 0},
      {Hoja::V, 25, 0},
      {Hoja::V, 33, 0},
      {Hoja::V, 35, 1.6}, // all bought abroad: the foreign price the sheet then asks for
      {Hoja::V, 38, 20}}},
    // A financed body and refrigeration unit, no semitrailer.
    {"Baremario/Frigorifico 2 Ejes.brm", {}},
    // A drawbar trailer, three tractor axles, a body.
    {"Baremario/Tren Carretera.brm", {}},
    // Part of the fuel bought abroad.
    {"Baremario/Articulado Internacional.brm", {}},
    // Bought and broken down, with a personal column of its own and priced services.
    {"Cálculos/Mi articulado.trv", {}},
};

void PrintTo(const Partida& p, std::ostream* os)
{
    *os << p.archivo;
    for (const auto& [h, i, v] : p.cambios)
        *os << " " << Nombre(h, i) << "=" << v.comoTexto().toStdString();
}

// Reads and shows a starting calculation; `leido` keeps it as read.
void Abrir(const Partida& p, Calculo& leido, Documento& doc)
{
    InicializarCalculo(leido);
    const QString ruta = QStringLiteral(TARVIA_BIN_DIR "/") + QString::fromUtf8(p.archivo);
    ASSERT_EQ(LeerValores(ruta, leido), FalloArchivo::Ninguno) << p.archivo;
    for (const auto& [h, i, v] : p.cambios)
        leido.Personal[h](i) = v;
    doc.calculo = leido;
    RepartirValores(doc);
}

// What showing the other sheets brings up to date after an entry on sheet h:
// the indirect-costs comment, the results and the services.
void VerLasDemasHojas(Documento& doc, Hoja h)
{
    if (h != Hoja::I)
        Comentario(doc, Columna::S);
    if (h != Hoja::S) // an entry on sheet S has brought the results up to date
        Revisar(doc);
}

enum class Aspecto { Valor, Texto, Color };

// Where opening a file and an entry knowingly part ways. Opening writes each
// loaded value into its box after the sheet's option pairs are set, so some
// disabled boxes show a value an entry empties: the parts of a group
// entered as a total that come after the sheet's last pair, and C(19) with
// C(8) at 0. The derived parts of the diets keep their last figure once
// entered as a total; nothing reads them then. The semitrailer's tyres take
// the colour V(1) has at the time: opening colours them before sheet V
// switches the Spanish fuel off.
bool Divergencia(const Calculo& c, Hoja h, int i, Aspecto a)
{
    const ValoresColumna& p = c.Personal;
    const auto total = [&](int opcion) { return p.F3(opcion) == Valor(false); };
    switch (a) {
    case Aspecto::Valor: return h == Hoja::F3 && (i == 5 || i == 7) && total(2);
    case Aspecto::Color: return h == Hoja::V && i >= 25 && i <= 27 && p.V(33).numeroOCero() == 0;
    case Aspecto::Texto:
        if (h == Hoja::C)
            return i == 19 && p.C(8).numeroOCero() == 0;
        return h == Hoja::F3 && ((i >= 29 && total(9)) || (i >= 20 && i <= 27 && total(19)));
    }
    return false;
}

// Equal, with an empty value the same as 0.
bool Igual(const Valor& x, const Valor& y)
{
    if (x == y)
        return true;
    const auto a = x.comoNumero(), b = y.comoNumero();
    return !x.esTexto() && !y.esTexto() && a && b && *a == *b;
}

void Anotar(std::vector<std::string>& d, const std::string& que, const QString& a, const QString& b)
{
    if (a != b)
        d.push_back(que + ": «" + a.toStdString() + "» / «" + b.toStdString() + "»");
}

// Every stored value and every state of the display model that differs
// between an entry (a) and the load of the same values (b).
std::vector<std::string> Diferencias(const Documento& a, const Documento& b)
{
    std::vector<std::string> d;
    const Pantalla &p = a.pantalla, &q = b.pantalla;
    for (Columna col : {Columna::S, Columna::O}) {
        const std::string c = col == Columna::S ? "S " : "O ";
        const bool personal = col == Columna::S;
        for (Hoja h : TodasLasHojas)
            for (int i = 1; i <= NumeroDeCampos(h); ++i) {
                const auto n = [&] { return c + Nombre(h, i); }; // only when something differs
                const Valor &x = a.calculo.Columna(col)[h](i), &y = b.calculo.Columna(col)[h](i);
                const auto sabida = [&](Aspecto que) { return personal && Divergencia(b.calculo, h, i, que); };
                if (!Igual(x, y) && !sabida(Aspecto::Valor))
                    Anotar(d, n(), x.comoTexto(), y.comoTexto());
                const Caja &s = p.caja(h, col, i), &t = q.caja(h, col, i);
                if (s.habilitado != t.habilitado || s.visible != t.visible)
                    d.push_back(n() + " habilitada o visible");
                if (s.fondo != t.fondo && !sabida(Aspecto::Color))
                    d.push_back(n() + " color");
                // An invisible box's text is never seen.
                if ((s.visible || t.visible) && s.texto != t.texto && !sabida(Aspecto::Texto))
                    Anotar(d, n() + " muestra", s.texto, t.texto);
                if (p.opcion(h, col, i) != q.opcion(h, col, i))
                    d.push_back(n() + " botón elegido");
            }
        for (int m = 0; m < static_cast<int>(Marco::Cuantos); ++m)
            if (p.marcoVisible(static_cast<Marco>(m), col) != q.marcoVisible(static_cast<Marco>(m), col))
                d.push_back(c + "marco " + std::to_string(m));
        Anotar(d, c + "comentario", p.comentario(col), q.comentario(col));
        // The comment's total-mode place matters only while it is shown.
        if (b.calculo.Columna(col).I(1) == Valor(false) && p.comentarioFijado(col) != q.comentarioFijado(col))
            d.push_back(c + "comentario colocado");
    }
    for (Hoja h : TodasLasHojas) {
        Anotar(d, "título", p.titulo(h), q.titulo(h));
        Anotar(d, "marco personal", p.marcoPersonal(h), q.marcoPersonal(h));
        Anotar(d, "marco de referencia", p.marcoReferencia(h), q.marcoReferencia(h));
    }
    return d;
}

QString Tecleado(double valor, int decimales, QChar separador)
{
    QString texto = QString::number(valor, 'f', std::max(0, decimales));
    texto.replace(u'.', separador);
    return texto;
}

// Values worth trying in a field the user can reach: the other option
// button; another text; 0 where allowed, both limits, between them, near
// the present figure.
std::vector<Valor> Candidatos(const Documento& doc, const Campo& campo)
{
    const Valor& actual = doc.calculo.Personal[campo.hoja](campo.indice);
    if (campo.tipo == TipoCampo::Opcion)
        return {!actual.logico()};
    if (!CampoEditable(doc.pantalla, campo.hoja, campo.indice))
        return {};
    if (campo.tipo == TipoCampo::Texto)
        return {QStringLiteral("Otro texto")};
    const double mn = doc.calculo.Minimos[campo.hoja](campo.indice).numeroOCero();
    const double mx = doc.calculo.Maximos[campo.hoja](campo.indice).numeroOCero();
    const double escala = std::pow(10.0, campo.decimales);
    const auto redondo = [&](double x) { return std::round(x * escala) / escala; };
    const double ahora = redondo(actual.numeroOCero());
    std::vector<Valor> v;
    for (double x :
         {campo.ceroPermitido ? 0.0 : mn, mn, mx, (mn + mx) / 2, mn + (mx - mn) / 100, ahora * 1.1, ahora * 0.9})
        if (redondo(x) != ahora && std::find(v.begin(), v.end(), Valor(redondo(x))) == v.end())
            v.push_back(redondo(x));
    return v;
}

// Commits `nuevo` in field (h, i) as the sheet does (a click on the other
// button for an option): whether it was kept.
bool Entrar(Documento& doc, const Campo& campo, const Valor& nuevo)
{
    const Hoja h = campo.hoja;
    const int i = campo.indice;
    if (campo.tipo == TipoCampo::Opcion) {
        PulsarOpcion(doc, h, Columna::S, i, nuevo.logico() ? 1 : 2);
        return true;
    }
    const QString texto =
        nuevo.esTexto() ? nuevo.texto() : Tecleado(nuevo.numero(), campo.decimales, doc.calculo.SeparadorDecimal());
    MostrarParaEditar(doc, h, i);
    return ConfirmarCampo(doc, h, i, texto, kTeclaSalida);
}

// Up to `cuantos` of the candidates, each committed on a copy of `inicio`;
// the refused ones are left out.
std::vector<std::pair<Valor, Documento>> Entradas(const Documento& inicio, const Campo& campo, size_t cuantos)
{
    std::vector<std::pair<Valor, Documento>> hechas;
    for (const Valor& nuevo : Candidatos(inicio, campo)) {
        if (hechas.size() == cuantos)
            break;
        Documento doc = inicio;
        if (Entrar(doc, campo, nuevo))
            hechas.emplace_back(nuevo, std::move(doc));
    }
    return hechas;
}

// Inputs that an entry in (h, i) may change besides its own: a group's
// total follows its parts, a discount in euros outside its percentage after
// a new price is brought back, service legs above a smaller yearly total
// are cleared.
bool Arrastrado(Hoja h, int i, Hoja k, int j)
{
    return CampoDe(k, j).totalDeGrupo ||
           (h == Hoja::V && k == Hoja::V && j == i + 2 && (i == 1 || i == 8 || i == 35)) ||
           (h == Hoja::C && k == Hoja::S);
}

// The personal inputs besides (h, i) that differ: `permitidos` those an
// entry there may change, the others otherwise.
std::vector<std::string> OtrasEntradas(const Calculo& antes, const Calculo& despues, Hoja h, int i, bool permitidos)
{
    std::vector<std::string> d;
    for (Hoja k : HojasDeEntrada)
        for (int j : antes.Entradas(k))
            if ((k != h || j != i) && !(antes.Personal[k](j) == despues.Personal[k](j)) &&
                Arrastrado(h, i, k, j) == permitidos)
                d.push_back(Nombre(k, j) + " cambia también");
    return d;
}

std::string Lista(const std::vector<std::string>& d)
{
    std::string s;
    for (const std::string& x : d)
        s += "\n  " + x;
    return s;
}

class Propiedades : public testing::TestWithParam<Partida> {
protected:
    void SetUp() override { Abrir(GetParam(), leido, inicio); }

    // The shown calculation's inputs with one changed, opened afresh.
    Documento Cargado(Hoja h, int i, const Valor& nuevo) const
    {
        Documento d;
        d.calculo = leido;
        for (Hoja k : HojasDeEntrada)
            for (int j : leido.Entradas(k)) {
                d.calculo.Personal[k](j) = inicio.calculo.Personal[k](j);
                d.calculo.Referencia[k](j) = inicio.calculo.Referencia[k](j);
            }
        d.calculo.Personal[h](i) = nuevo;
        RepartirValores(d);
        return d;
    }

    Calculo leido;    // as read, before showing
    Documento inicio; // shown
};

} // namespace

// For every input of every sheet: an entry committed as the sheet commits
// it, then the other sheets shown, equals opening the same values afresh,
// where no reference box can be edited. No other input changes but those
// the entry carries along; when none did, typing the old value back brings
// back what was there.
TEST_P(Propiedades, UnCampoCambiadoIgualaALaCargaCompleta)
{
    int probadas = 0, fallidas = 0;
    for (Hoja h : HojasDeEntrada)
        for (int i : leido.Entradas(h))
            for (auto& [nuevo, doc] : Entradas(inicio, CampoDe(h, i), 2)) {
                ++probadas;
                VerLasDemasHojas(doc, h);
                const Documento cargado = Cargado(h, i, nuevo);
                std::vector<std::string> d = Diferencias(doc, cargado);
                for (Hoja k : TodasLasHojas)
                    for (int j = 1; j <= NumeroDeCampos(k); ++j)
                        if (cargado.pantalla.caja(k, Columna::O, j).habilitado)
                            d.push_back("O " + Nombre(k, j) + " habilitada");
                for (const std::string& x : OtrasEntradas(inicio.calculo, doc.calculo, h, i, false))
                    d.push_back(x);
                if (OtrasEntradas(inicio.calculo, doc.calculo, h, i, true).empty()) {
                    EXPECT_TRUE(Entrar(doc, CampoDe(h, i), inicio.calculo.Personal[h](i)));
                    VerLasDemasHojas(doc, h);
                    for (const std::string& x : Diferencias(doc, inicio))
                        d.push_back("de vuelta: " + x);
                }
                if (!d.empty() && ++fallidas <= 10)
                    ADD_FAILURE() << Nombre(h, i) << " = " << nuevo.comoTexto().toStdString() << Lista(d);
            }
    EXPECT_EQ(fallidas, 0) << "de " << probadas;
}

// Focusing a box and leaving it with the text it shows for editing is
// accepted silently and changes nothing at all.
TEST_P(Propiedades, ReescribirLoQueMuestraNoCambiaNada)
{
    for (Hoja h : HojasDeEntrada)
        for (int i : leido.Entradas(h)) {
            if (!CampoEditable(inicio.pantalla, h, i))
                continue;
            Documento doc = inicio;
            const EstadoEdicion e = MostrarParaEditar(doc, h, i);
            EXPECT_TRUE(ConfirmarCampo(doc, h, i, e.texto, kTeclaSalida)) << Nombre(h, i);
            EXPECT_EQ(HayCambios(doc.calculo), HayCambios(inicio.calculo));
            EXPECT_EQ(Lista(Diferencias(doc, inicio)), "") << Nombre(h, i);
        }
}

INSTANTIATE_TEST_SUITE_P(Partidas, Propiedades, testing::ValuesIn(kPartidas));

// Between them the starting calculations give every input another value.
TEST(PropiedadesPartidas, CadaEntradaSeCambiaEnAlguna)
{
    std::vector<std::pair<Calculo, Documento>> inicios(std::size(kPartidas));
    for (size_t k = 0; k < inicios.size(); ++k)
        Abrir(kPartidas[k], inicios[k].first, inicios[k].second);
    std::vector<std::string> sinCambiar;
    for (const Campo& campo : Catalogo())
        if (campo.esEntrada() && std::none_of(inicios.begin(), inicios.end(),
                                              [&](const auto& ini) { return !Entradas(ini.second, campo, 1).empty(); }))
            sinCambiar.push_back(Nombre(campo.hoja, campo.indice));
    EXPECT_EQ(Lista(sinCambiar), "");
}

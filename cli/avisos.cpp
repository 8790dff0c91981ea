#include "cli/avisos.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "engine/abrir.h"
#include "engine/repartir.h"
#include "presentacion/marcos.h"
#include "presentacion/validacion.h"

#include <QRegularExpression>

namespace tarvia::calc {

namespace {

QString Limites(const Calculo& c, Hoja h, int i)
{
    const int dec = Decimales(h, i);
    return QStringLiteral("Valor mínimo = %1; valor máximo = %2.")
        .arg(Mostrar(c.Minimos[h](i), dec, true, c.Local), Mostrar(c.Maximos[h](i), dec, true, c.Local));
}

// The checks' message on one paragraph.
QString EnUnaLinea(QString mensaje)
{
    mensaje.replace(QStringLiteral("\r\n\r\n"), QStringLiteral(" "));
    mensaje.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return mensaje.trimmed();
}

// One column checked as if it were the personal one, so that the options,
// the enabled boxes and the rules are those of that column.
void AvisosDeColumna(const Documento& doc, Columna col, std::vector<Aviso>& avisos)
{
    Documento d;
    d.calculo = doc.calculo;
    d.calculo.Personal = doc.calculo.Columna(col);
    d.calculo.Referencia = d.calculo.Personal;
    RepartirValores(d);
    for (Hoja h : HojasDeEntrada) {
        if (h == Hoja::S && col == Columna::O)
            continue; // the service sheet has no reference column
        for (int i : doc.calculo.Entradas(h)) {
            const Campo& campo = CampoDe(h, i);
            if (campo.tipo == TipoCampo::Opcion || !CampoEditable(d.pantalla, h, i))
                continue;
            const Valor& leido = doc.calculo.Columna(col)[h](i);
            if (campo.esNumerico() && leido.esTexto()) {
                avisos.push_back({col, h, i, leido,
                                  QStringLiteral("%1 no es un número; se calcula como 0. %2")
                                      .arg(NombreCampo(h, i), Limites(d.calculo, h, i))});
                continue;
            }
            const Veredicto v = Validar(d.calculo, h, i);
            if (v.rechazado)
                avisos.push_back({col, h, i, leido,
                                  QStringLiteral("La hoja no admitiría %1 = %2. %3")
                                      .arg(NombreCampo(h, i), Mostrar(leido, campo.decimales, true, d.calculo.Local),
                                           EnUnaLinea(v.mensaje))});
        }
    }
}

} // namespace

QString NombreCampo(Hoja h, int i) { return QStringLiteral("%1.%2").arg(QString::fromUtf8(Codigo(h))).arg(i); }

std::vector<Aviso> AvisosDeCarga(const Documento& doc)
{
    std::vector<Aviso> avisos;
    AvisosDeColumna(doc, Columna::S, avisos);
    AvisosDeColumna(doc, Columna::O, avisos);
    return avisos;
}

} // namespace tarvia::calc

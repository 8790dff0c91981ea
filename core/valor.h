#pragma once
// One element of a column: empty, a number, a text, a true/false or (only
// after reading a strange file) a date. A text may stand where a number
// belongs; it is kept as read and the engine skips what it cannot compute.
#include <QDate>
#include <QString>
#include <optional>
#include <variant>

namespace tarvia {

class Valor {
public:
    Valor() = default;
    Valor(double n) : v_(n) {}
    Valor(int n) : v_(static_cast<double>(n)) {}
    Valor(bool b) : v_(b) {}
    Valor(const QString& t) : v_(t) {}
    Valor(const char* t) : v_(QString::fromUtf8(t)) {}
    Valor(QDate d) : v_(d) {}

    bool esVacio() const { return std::holds_alternative<std::monostate>(v_); }
    bool esNumero() const { return std::holds_alternative<double>(v_); }
    bool esTexto() const { return std::holds_alternative<QString>(v_); }
    bool esLogico() const { return std::holds_alternative<bool>(v_); }
    bool esFecha() const { return std::holds_alternative<QDate>(v_); }

    double numero() const { return std::get<double>(v_); }
    const QString& texto() const { return std::get<QString>(v_); }
    bool logico() const { return std::get<bool>(v_); }
    QDate fecha() const { return std::get<QDate>(v_); }

    // Numeric reading as the arithmetic sees it: empty is 0, true is -1,
    // a date counts its days from 30/12/1899, a text only when it is a plain
    // number written with "."; anything else cannot be computed.
    std::optional<double> comoNumero() const;
    // Same, but a value that cannot be computed counts as 0 (validation, results).
    double numeroOCero() const { return comoNumero().value_or(0.0); }
    // True/false reading: a number is true when not 0; texts "True"/"False"
    // (any case, also "Verdadero"/"Falso"); empty is false.
    std::optional<bool> comoLogico() const;
    // Text reading: numbers in the shortest form with ".", true/false as "True"/"False".
    QString comoTexto() const;

    friend bool operator==(const Valor& a, const Valor& b) { return a.v_ == b.v_; }

private:
    std::variant<std::monostate, double, QString, bool, QDate> v_;
};

// Reads a whole text as a number with "." as decimal point (blanks around
// allowed, exponent allowed); nullopt when it is anything else.
std::optional<double> LeerNumeroPunto(const QString& texto);

} // namespace tarvia

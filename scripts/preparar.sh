#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Sourced by scripts/ejecutar, scripts/probar and scripts/empaquetar. One line
# per stage; what apt-get and the compiler say goes to build/preparacion.log
# and is shown only when a stage fails.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
compilacion="${TARVIA_BUILD_DIR:-$raiz/build}"
mkdir -p "$compilacion"
registro="$compilacion/preparacion.log"
: > "$registro"

# Runs a stage quietly; on failure shows the end of what it said.
etapa() {
  local titulo="$1"
  shift
  echo "$titulo"
  if ! "$@" >>"$registro" 2>&1; then
    echo "Falló: $titulo. Últimas líneas de $registro:"
    tail -n 60 "$registro"
    return 1
  fi
}

paquetes=(
  build-essential cmake ninja-build python3
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libchm-dev libchm1
  clang libclang-rt-14-dev clang-format
  fonts-dejavu-core fonts-liberation2
  xvfb xauth
  poppler-utils
)
# scripts/empaquetar adds the packaging tools.
paquetes+=(${paquetes_extra[@]+"${paquetes_extra[@]}"})

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if ((${#faltan[@]})); then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  instalar() {
    "${sudo[@]}" apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
  }
  etapa "Instalando paquetes: ${faltan[*]}" instalar
fi

# The help compiler: only the chmcmd tool of fp-utils-3.2.2 (the full package
# is about 250 MB), unpacked into the build directory unless one is installed.
herramientas="$compilacion/herramientas"
if ! command -v chmcmd >/dev/null 2>&1 && ! compgen -G "/usr/bin/chmcmd-*" >/dev/null \
   && ! compgen -G "$herramientas/usr/bin/chmcmd*" >/dev/null; then
  descargar_chmcmd() {
    local descarga
    descarga="$(mktemp -d)"
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    bajar() { (cd "$descarga" && apt-get download -qq fp-utils-3.2.2); }
    { bajar || { "${sudo[@]}" apt-get update -qq && bajar; }; } &&
      mkdir -p "$herramientas" && dpkg-deb -x "$descarga"/fp-utils-3.2.2_*.deb "$herramientas"
    local r=$?
    rm -rf "$descarga"
    return $r
  }
  etapa "Descargando el compilador de ayuda (chmcmd, de fp-utils-3.2.2)" descargar_chmcmd ||
    echo "Aviso: sin chmcmd el programa se compila sin sus ficheros de ayuda."
fi

# scripts/probar sets opciones_cmake (warnings as errors); scripts/ejecutar does not.
# scripts/empaquetar adds the distribution's flags, known once dpkg-dev is in.
if declare -F opciones_del_paquete >/dev/null; then
  opciones_del_paquete
fi
etapa "Configurando" cmake -S "$raiz" -B "$compilacion" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  ${opciones_cmake[@]+"${opciones_cmake[@]}"}
etapa "Compilando" cmake --build "$compilacion"

#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds.
# Sourced by scripts/ejecutar and scripts/probar.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
compilacion="${TARVIA_BUILD_DIR:-$raiz/build}"

paquetes=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libchm-dev libchm1
  clang libclang-rt-14-dev clang-format
  fonts-dejavu-core fonts-liberation2
  xvfb xauth
)

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if ((${#faltan[@]})); then
  echo "Instalando paquetes: ${faltan[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi

# The help compiler: only the chmcmd tool of fp-utils-3.2.2 (the full package
# is about 250 MB), unpacked into the build directory unless one is installed.
herramientas="$compilacion/herramientas"
if ! command -v chmcmd >/dev/null 2>&1 && ! compgen -G "/usr/bin/chmcmd-*" >/dev/null \
   && ! compgen -G "$herramientas/usr/bin/chmcmd*" >/dev/null; then
  echo "Descargando el compilador de ayuda (chmcmd, de fp-utils-3.2.2)"
  descarga="$(mktemp -d)"
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  bajar() { (cd "$descarga" && apt-get download -qq fp-utils-3.2.2 2>/dev/null); }
  if { bajar || { "${sudo[@]}" apt-get update -qq && bajar; }; } \
     && mkdir -p "$herramientas" && dpkg-deb -x "$descarga"/fp-utils-3.2.2_*.deb "$herramientas"; then
    echo "chmcmd en $(compgen -G "$herramientas/usr/bin/chmcmd*" | head -n1)"
  else
    echo "Aviso: no se pudo obtener chmcmd; el programa se compila sin sus ficheros de ayuda."
  fi
  rm -rf "$descarga"
fi

# scripts/probar sets opciones_cmake (warnings as errors); scripts/ejecutar does not.
cmake -S "$raiz" -B "$compilacion" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${opciones_cmake[@]+"${opciones_cmake[@]}"} >/dev/null
cmake --build "$compilacion"

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
  clang libclang-rt-14-dev
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

cmake -S "$raiz" -B "$compilacion" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$compilacion"

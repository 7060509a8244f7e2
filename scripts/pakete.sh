# Debian packages Umbrarix needs to build, test and run; sourced by the scripts beside it.
UMBRARIX_PAKETE=(
    cmake g++ make
    qt6-base-dev qt6-svg-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2
    xvfb xauth
    poppler-utils
    desktop-file-utils appstream dpkg-dev man-db lintian binutils
    clang libclang-rt-14-dev
)

pakete_installieren() {
    local fehlend=()
    for p in "${UMBRARIX_PAKETE[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
    done
    if [ ${#fehlend[@]} -eq 0 ]; then
        return 0
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${fehlend[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${fehlend[@]}"
}

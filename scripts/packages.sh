# Shared by play and test: installs the Debian packages a step needs, and
# only those that are missing, so a second run touches nothing.

vasculon_play_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libsndfile1-dev libxcb-shm0-dev fonts-dejavu-core
    qt6-wayland qt6-wayland-dev qt6-wayland-dev-tools qt6-base-private-dev
    libwayland-dev wayland-protocols
)
vasculon_test_packages=(
    "${vasculon_play_packages[@]}"
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick openbox pulseaudio pulseaudio-utils sox python3
    desktop-file-utils appstream file dpkg-dev
    sway grim wtype
)

install_missing_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

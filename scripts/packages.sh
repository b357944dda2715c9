# Shared by play and test: installs the Debian packages a step needs, and
# only those that are missing, so a second run touches nothing.

vasculon_play_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libsndfile1-dev libxcb-shm0-dev fonts-dejavu-core
    qt6-wayland qt6-wayland-dev qt6-wayland-dev-tools qt6-base-private-dev
    libwayland-dev wayland-protocols
)
# The Windows build: MinGW-w64's -posix compilers (the -win32 ones lack
# std::thread), windres, NSIS for the installer, Python for the icon and
# the germ cursor, and Wine, which runs the Windows tests.
vasculon_windows_packages=(
    cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
    wine wine64 nsis zip python3
)
vasculon_test_packages=(
    "${vasculon_play_packages[@]}"
    "${vasculon_windows_packages[@]}" googletest
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick openbox pulseaudio-utils sox python3
    desktop-file-utils appstream file dpkg-dev lintian devscripts man-db
    sway grim wtype
    mutter dbus-daemon pipewire pipewire-bin wireplumber gstreamer1.0-pipewire gstreamer1.0-tools
    gstreamer1.0-plugins-base python3-gi
)

# True when an installed package other than PulseAudio itself serves
# PulseAudio's clients (pipewire-pulse on a PipeWire desktop): installing
# pulseaudio would remove it and break the desktop's sound.
other_sound_server_installed() {
    dpkg-query -W -f='${db:Status-Abbrev}|${Package}|${Provides}\n' 2>/dev/null |
        awk -F'|' '$1 ~ /^ii/ && $2 != "pulseaudio" &&
                   ($2 == "pipewire-pulse" || $3 ~ /(^|[ ,])pulseaudio(-daemon)?([ ,(]|$)/) { found = 1 }
                   END { exit !found }'
}

# The private sound server the end-to-end tests record from, unless the
# desktop has another one: then those tests skip their sound checks.
vasculon_sound_packages() {
    if dpkg-query -W -f='${Status}' pulseaudio 2>/dev/null | grep -q 'install ok installed' ||
        ! other_sound_server_installed; then
        echo pulseaudio
    else
        echo "Not installing pulseaudio over this desktop's sound server: the end-to-end sound checks will be skipped" >&2
    fi
}

install_missing_packages() {
    if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
        echo "vasculon: no apt-get here: install g++, cmake, ninja, pkg-config and the development packages of Qt 6 (base, multimedia, wayland) and libsndfile by hand, then build: cmake -G Ninja -S . -B build && cmake --build build (README.md, \"Building by hand\")" >&2
        exit 1
    fi
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
    # Through env, because sudo's environment reset drops what is set before it.
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Installs the Debian packages given as arguments, but only those that are
# not installed yet, so that a second run asks nothing and installs nothing.
# Uses sudo when not run as root.

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Нужно установить пакеты: ${missing[*]} — но нет ни прав root, ни sudo." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Устанавливаются пакеты Debian: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
BUILD_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libsndfile1-dev
    libqt6svg6 libqt6multimedia6 gstreamer1.0-plugins-base
    fonts-liberation qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
)

# What the tests need besides: a virtual display and its drivers, a sound
# server with a null sink, a private D-Bus session with the accessibility
# bus and its Python reader, the fuzzer's compiler and runtime, the
# cross-compiler that builds the Windows program, and a tracer of system
# calls that shows which files a program reaches.
TEST_PACKAGES=(
    xvfb xauth xdotool xclip x11-utils openbox wmctrl
    pulseaudio pulseaudio-utils sox
    dbus dbus-bin at-spi2-core python3-pyatspi
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix
    strace
    # The Windows program: its build (Ninja, the mingw-w64 tools that list
    # a DLL's imports and strip it, zip), and its tests and end-to-end checks
    # under Wine: the zip unpacked, the Russian locale that gives Wine code
    # page 1251, screenshots.
    ninja-build binutils-mingw-w64-x86-64 zip
    wine wine64 unzip locales imagemagick
    # The installer (NSIS), its signing and the throw-away certificate CI
    # signs with, and the reader of the images' resources.
    nsis osslsigncode openssl icoutils
)

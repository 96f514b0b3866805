# Installs the Debian packages the project needs, only those that are missing.
# Sourced by run.sh and test.sh.

KV_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools
             libgtest-dev libbenchmark-dev
             fonts-wqy-microhei fonts-liberation qt6-translations-l10n xvfb xauth ser2net)

kv_install_missing_packages() {
    local missing=()
    local pkg
    for pkg in "${KV_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

#!/usr/bin/env bash
# The resources of the images we build, as the built program folder holds
# them (no Wine needed): each has the icon with its 16- and 32-pixel images
# in 16 colours and its 48- and 256-pixel ones, and Russian version
# information whose numbers and name are the build's; each program has
# exactly one manifest, asking for no rights, naming Windows 7 to 11 and
# leaving DPI awareness to Qt, which sets it itself; the sound module has
# none.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${ZORNALIT_WINDOWS_BUILD_DIR:-$here/../../build-windows}"
program="$out/program"
root="$(cd "$here/../.." && pwd)"
source "$root/tools/windows/lib.sh"
version="$(build_version "$out/build")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

command -v wrestool >/dev/null 2>&1 || fail "no wrestool (package icoutils)"
[ -n "$version" ] || fail "no Windows build in $out (tools/windows/build.sh makes it)"

# How many resources of a type an image holds.
resource_count() {
    wrestool -l --type="$2" "$1" 2>/dev/null | grep -c -- "--type=$2 " || true
}

# The icon group: four images of the sizes and colour depths wanted.
check_icon() {
    local image="$1" group
    [ "$(resource_count "$image" 14)" -eq 1 ] || fail "$image: not exactly one icon group"
    wrestool -x --raw --type=14 "$image" >"$work/group" || fail "$image: the icon group cannot be read"
    group="$(perl -e '
        local $/; my $g = <STDIN>;
        my $count = unpack("v", substr($g, 4, 2));
        my @entries;
        for my $i (0 .. $count - 1) {
            my ($w, $h, $colours, undef, $planes, $bits) = unpack("CCCCvv", substr($g, 6 + 14 * $i, 8));
            push @entries, "${w}x${h}:$colours:$bits";
        }
        print join(" ", @entries);
    ' <"$work/group")"
    [ "$group" = "16x16:16:4 32x32:16:4 48x48:0:32 0x0:0:32" ] || fail "$image: the icon holds $group"
}

# The version information: Russian, Unicode, the build's version in both
# parts, the product, a description and the file's own name.
check_version() {
    local image="$1" name="$2" listing values
    listing="$(wrestool -l --type=16 "$image" 2>/dev/null)"
    grep -q -- "--type=16 --name=1 --language=1049 " <<<"$listing" || fail "$image: no Russian version information: $listing"
    wrestool -x --raw --type=16 "$image" >"$work/version" || fail "$image: the version cannot be read"
    values="$(perl -CO -e '
        local $/; my $v = <STDIN>;
        my $fixed = index($v, pack("V", 0xFEEF04BD));
        die "no fixed part\n" if $fixed < 0;
        my ($fms, $fls, $pms, $pls) = unpack("VVVV", substr($v, $fixed + 8, 16));
        printf "fixed=%d.%d.%d.%d\nproduct=%d.%d.%d.%d\n", $fms >> 16, $fms & 0xffff, $fls >> 16, $fls & 0xffff,
            $pms >> 16, $pms & 0xffff, $pls >> 16, $pls & 0xffff;
        # The strings: each key, then the value, in UTF-16LE, ended by NUL.
        my $text = $v; $text =~ s/(..)/chr(unpack("v", $1))/sge;
        for my $key (qw(FileDescription FileVersion OriginalFilename ProductName ProductVersion)) {
            $text =~ /\Q$key\E\0+([^\0]+)\0/ and print "$key=$1\n";
        }
        print "table=041904B0\n" if $text =~ /041904B0/i;
        # The translation is the last value of the whole resource.
        my $length = unpack("v", $v);
        print "translation=" . join(",", map { sprintf "%04x", $_ } unpack("vv", substr($v, $length - 4, 4))) . "\n";
    ' <"$work/version")" || fail "$image: the version information is damaged"
    local numbers="$version" line
    while [ "$(tr -cd . <<<"$numbers" | wc -c)" -lt 3 ]; do numbers="$numbers.0"; done
    for line in "fixed=$numbers" "product=$numbers" "FileVersion=$version" "ProductVersion=$version" \
        "OriginalFilename=$name" "ProductName=Зорналит" "table=041904B0" "translation=0419,04b0"; do
        grep -qxF "$line" <<<"$values" || fail "$image: the version information lacks $line; it has:
$values"
    done
    grep -q '^FileDescription=Зорналит — ..' <<<"$values" || fail "$image: no file description"
}

check_manifest() {
    local image="$1" wanted="$2" manifest id
    [ "$(resource_count "$image" 24)" -eq "$wanted" ] || fail "$image: $(resource_count "$image" 24) manifests, not $wanted"
    [ "$wanted" -eq 1 ] || return 0
    wrestool -l --type=24 "$image" | grep -q -- "--type=24 --name=1 " || fail "$image: the manifest is not the one a program starts with"
    manifest="$(wrestool -x --raw --type=24 "$image")"
    grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$manifest" || fail "$image: the manifest does not say asInvoker"
    for id in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
        1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
        grep -q "supportedOS Id=\"{$id}\"" <<<"$manifest" || fail "$image: the manifest does not name the system $id"
    done
    ! grep -q '<dpiAware' <<<"$manifest" || fail "$image: the manifest sets DPI awareness, which Qt sets itself"
    xmllint --noout - <<<"$manifest" 2>/dev/null || ! command -v xmllint >/dev/null || fail "$image: the manifest is not well-formed XML"
}

for entry in zornalit.exe:1 zornalit-db.exe:1 zornalit-sound.dll:0; do
    name="${entry%:*}"
    image="$program/$name"
    [ -f "$image" ] || fail "no $image"
    check_icon "$image"
    check_version "$image" "$name"
    check_manifest "$image" "${entry#*:}"
done
echo "Windows resources of zornalit.exe, zornalit-db.exe, zornalit-sound.dll: ok"

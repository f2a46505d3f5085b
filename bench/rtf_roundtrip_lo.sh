#!/usr/bin/env bash
# Round trip of RTF files through our reader and writer, judged by how LibreOffice reads both.
#
#   bench/rtf_roundtrip_lo.sh [OXLIN] [RTF_DIR] [WORK_DIR] [--detail N]
#
# OXLIN is the oxlin program (default build/bin/oxlin), RTF_DIR the folder of
# .rtf files (default /work/shared/rtf-corpus/public), WORK_DIR where the
# rewrites and LibreOffice's HTML go (default a new temporary folder, kept).
# Each file is rewritten with `oxlin rtf rewrite`, then LibreOffice converts
# the originals and the rewrites to HTML (one soffice run each, with a
# profile of its own so it never meets a running LibreOffice), and
# rtf_lo_compare.py prints the figures. --detail N is handed to it.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
detail=()
positional=()
while [ $# -gt 0 ]; do
  case "$1" in
    --detail) detail=(--detail "$2"); shift 2 ;;
    *) positional+=("$1"); shift ;;
  esac
done
oxlin=${positional[0]:-build/bin/oxlin}
corpus=${positional[1]:-/work/shared/rtf-corpus/public}
work=${positional[2]:-$(mktemp -d /tmp/rtf-roundtrip-lo.XXXXXX)}

command -v soffice >/dev/null || { echo "soffice (LibreOffice) is not installed" >&2; exit 1; }
[ -x "$oxlin" ] || { echo "no oxlin program at $oxlin" >&2; exit 1; }

rm -rf "$work/rewritten" "$work/html-original" "$work/html-rewritten" "$work/text-original" \
  "$work/text-rewritten" "$work/lo-profile"
mkdir -p "$work/rewritten" "$work/html-original" "$work/html-rewritten" "$work/text-original" \
  "$work/text-rewritten"

for f in "$corpus"/*.rtf; do
  name=$(basename "$f")
  QT_QPA_PLATFORM=offscreen "$oxlin" rtf rewrite "$f" "$work/rewritten/$name" ||
    echo "oxlin could not rewrite $name" >&2
done

profile="file://$work/lo-profile"
convert() {
  soffice --headless "-env:UserInstallation=$profile" --convert-to "$1" --outdir "$2" "${@:3}" \
    >"$2.log" 2>&1 || true
}
convert html "$work/html-original" "$corpus"/*.rtf
convert html "$work/html-rewritten" "$work/rewritten"/*.rtf
# The plain-text export shows each list item's label: "1.", "a)", "◦".
text="txt:Text (encoded):UTF8"
convert "$text" "$work/text-original" "$corpus"/*.rtf
convert "$text" "$work/text-rewritten" "$work/rewritten"/*.rtf

# LibreOffice gives no HTML for a file it cannot load; say which.
for f in "$corpus"/*.rtf; do
  name=$(basename "$f" .rtf)
  [ -e "$work/html-original/$name.html" ] || echo "LibreOffice cannot read the original $name.rtf (left out)"
done

python3 "$here/rtf_lo_compare.py" "$work/html-original" "$work/html-rewritten" "${detail[@]}"
echo
echo "List labels:"
python3 "$here/rtf_lo_labels.py" "$work/text-original" "$work/text-rewritten" "${detail[@]}"
echo "rewrites and HTML are in $work"

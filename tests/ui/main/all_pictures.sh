#!/usr/bin/env bash
# all_pictures.sh TARVIX OUTDIR: takes the picture of every window name the
# program lists (the picture table), each under a deadline. Every name must
# end in time with a PNG (status 0) or with a message on standard error
# (status 1); a name that runs past its deadline, or ends silently without
# a picture, fails the test.
app=${1:?usage: all_pictures.sh TARVIX OUTDIR}
out=${2:?usage: all_pictures.sh TARVIX OUTDIR}
deadline=${PICTURE_DEADLINE:-20}
mkdir -p "$out"
names=$("$app" --screenshot "$out/none.png" --window '?' 2>&1 >/dev/null |
        sed -n 's/^tarvix: unknown window; one of: //p' | tr -d ',')
[ -n "$names" ] || { echo "the program listed no window names"; exit 1; }
bad=0
for name in $names; do
  rm -f "$out/$name.png"
  timeout "$deadline" "$app" --screenshot "$out/$name.png" --window "$name" \
    >"$out/$name.log" 2>&1
  status=$?
  if [ $status -eq 124 ]; then
    echo "$name: still running after ${deadline} s"; bad=1
  elif [ $status -eq 0 ] && [ -s "$out/$name.png" ]; then
    echo "$name: picture"
  elif [ $status -eq 1 ] && grep -q '^tarvix: ' "$out/$name.log"; then
    echo "$name: message: $(grep '^tarvix: ' "$out/$name.log" | head -1)"
  else
    echo "$name: status $status without a picture or a message"; bad=1
  fi
done
exit $bad

#!/bin/sh
# Makes the manual page from the built program's own --help (the build runs it):
#   tools/manpage.sh PROGRAM VERSION INCLUDE OUTPUT.gz
# help2man takes a further usage line for the synopsis when it begins with "or:", so the
# help is handed to it with those lines marked. The bank folders the help lists are read
# with a home folder of "~", not the builder's.
set -eu
program="$1"; version="$2"; include="$3"; output="$4"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cat > "$scratch/quillmark" << WRAPPER
#!/bin/sh
help="\$("$program" --help)" || exit 1
printf '%s\n' "\$help" | sed 's/^       quillmark /  or:  quillmark /'
WRAPPER
chmod +x "$scratch/quillmark"
env -u XDG_DATA_HOME -u XDG_DATA_DIRS -u XDG_CONFIG_HOME HOME='~' QT_QPA_PLATFORM=offscreen \
  help2man --no-info --section=1 --version-string="$version" \
  --name="grammar and punctuation exercises for Years 5 and 6" \
  --include="$include" --output="$scratch/quillmark.1" "$scratch/quillmark"
gzip -9n -c "$scratch/quillmark.1" > "$output"

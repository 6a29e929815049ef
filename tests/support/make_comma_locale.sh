#!/usr/bin/env bash
# make_comma_locale.sh FOLDER: builds the decimal-comma locale "xx_XX.UTF-8" into FOLDER (for LOCPATH).
# localedef warns of the categories the source leaves out; the locale it writes is whole.
here="$(cd "$(dirname "$0")" && pwd)"
localedef -c -i "$here/comma-locale.def" -f UTF-8 "$1/xx_XX.UTF-8" >/dev/null 2>&1
LOCPATH="$1" LC_ALL=xx_XX.UTF-8 locale decimal_point 2>/dev/null | grep -qx ,

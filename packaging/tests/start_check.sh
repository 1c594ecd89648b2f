# shellcheck shell=bash
# Sourced by the tests that start the programs: start_program_check PROGRAM HOME_FOLDER
# starts PROGRAM (orchard, briko or pillora at a path) with the start check, in an
# empty current directory under HOME_FOLDER, with fresh settings and data folders
# there, and fails unless it finds every file it needs and writes its high-score
# file where it should: in the data folder when WHERE is "installed", in the
# current directory when it is "beside".

declare -A score_files=([orchard]=OrchardHighScores97 [briko]=BRIKOHighScores97
  [pillora]=PilloraHighScores97)
declare -A score_sizes=([orchard]=440 [briko]=440 [pillora]=425)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start_program_check PROGRAM HOME_FOLDER WHERE
start_program_check() {
  local program=$1 home=$2 where=$3
  local game
  game=$(basename "$program")
  local work=$home/$game/work data=$home/$game/data config=$home/$game/config
  mkdir -p "$work" "$config"
  local output
  output=$(cd "$work" && HOME=$home/$game XDG_DATA_HOME=$data XDG_CONFIG_HOME=$config \
    FALLPACK_START_CHECK=1 timeout 60 "$program") || {
    echo "$output"
    fail "$program did not pass its start check"
  }
  echo "$output"
  grep -q '^missing' <<<"$output" && fail "$program misses a file"
  grep -q '^found' <<<"$output" || fail "$program checked no file"

  local name=${score_files[$game]} expected scores
  case $where in
    installed)
      expected=$data/fallpack/$name
      [ ! -e "$work/$name" ] || fail "$game wrote its high scores into the current directory"
      ;;
    beside)
      expected=$work/$name
      [ ! -e "$data/fallpack" ] || fail "$game made a data folder although it runs beside its files"
      ;;
  esac
  [ -f "$expected" ] || fail "$game wrote no high-score file at $expected"
  scores=$(stat -c %s "$expected")
  [ "$scores" -eq "${score_sizes[$game]}" ] || fail "$expected holds $scores bytes"
  [ -f "$config/Fallpack.ini" ] || fail "$game wrote no settings into XDG_CONFIG_HOME"
}

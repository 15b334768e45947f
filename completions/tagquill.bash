# bash completion for tagquill(1)

# Splits the line up to the cursor into shell words (quotes and backslashes
# removed) in _tq_words and their raw text in _tq_raw; the word under the
# cursor is the last one. COMP_WORDS cannot serve: it breaks at '=' and
# ':', which labels and --text hold.
_tagquill_split() {
  local line=${COMP_LINE:0:COMP_POINT} c q= w= r= i inword=
  _tq_words=() _tq_raw=()
  for ((i = 0; i < ${#line}; i++)); do
    c=${line:i:1}
    if [ "$q" = "'" ]; then
      if [ "$c" = "'" ]; then q=; else w+=$c; fi; r+=$c
    elif [ "$q" = '"' ]; then
      if [ "$c" = '"' ]; then q=
      elif [ "$c" = '\' ] && [ $((i + 1)) -lt ${#line} ]; then ((i++)); c=${line:i:1}; w+=$c; r+='\'
      else w+=$c; fi; r+=$c
    elif [ "$c" = '\' ] && [ $((i + 1)) -lt ${#line} ]; then
      ((i++)); w+=${line:i:1}; r+="\\${line:i:1}"; inword=1
    elif [[ $c == [[:space:]] ]]; then
      [ -n "$inword" ] && { _tq_words+=("$w"); _tq_raw+=("$r"); }
      w= r= inword=
    else
      [ "$c" = "'" ] || [ "$c" = '"' ] && q=$c
      w+=$c; r+=$c; inword=1
      [ -n "$q" ] && w=${w%?}
    fi
  done
  _tq_words+=("$w"); _tq_raw+=("$r")
}

# Puts the candidates in COMPREPLY, quoted, as replacements for the part of
# the word bash itself completes (after its last '=' or ':').
_tagquill_reply() {
  local raw=${_tq_raw[-1]} bashcur=${COMP_WORDS[COMP_CWORD]} c q
  local head=${raw%"$bashcur"}
  [ "$bashcur" = = ] || [ "$bashcur" = : ] && head=$raw
  COMPREPLY=()
  for c in "$@"; do
    printf -v q %q "$c"
    [[ $q == "$head"* ]] && COMPREPLY+=("${q#"$head"}")
  done
}

_tagquill() {
  local -a _tq_words _tq_raw
  _tagquill_split
  local n=$((${#_tq_words[@]} - 1)) cur=${_tq_words[-1]} prev=
  ((n >= 1)) && prev=${_tq_words[n - 1]}
  local -a global=() actions=()
  local cmd= id= i w
  for ((i = 1; i < n; i++)); do
    w=${_tq_words[i]}
    case $w in
      --profile|--encoding|--eol|--set|--set-int)
        [ -z "$id" ] && global+=("$w" "${_tq_words[i + 1]}")
        [ -n "$id" ] && actions+=("$w" "${_tq_words[i + 1]}")
        ((i++)) ;;
      --check|--uncheck|--choose|--text|--press|--pick|--file|--color|--font)
        ((i + 1 < n)) && actions+=("$w" "${_tq_words[i + 1]}")
        ((i++)) ;;
      -*) [ -n "$id" ] && actions+=("$w") ;;
      *) if [ -z "$cmd" ]; then cmd=$w; elif [ -z "$id" ]; then id=$w; fi ;;
    esac
  done
  local -a cands=()
  case $prev in
    --profile|--file) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- "$cur")); return ;;
    --eol) _tagquill_reply $(compgen -W 'crlf lf auto' -- "$cur"); return ;;
    --encoding) _tagquill_reply $(compgen -W 'utf-8 cp932' -- "$cur"); return ;;
    --set|--set-int|--pick|--color|--font) return ;;
    --check|--uncheck|--choose|--press|--text)
      [ -n "$id" ] || return
      local l lc=${cur,,}
      while IFS= read -r l; do
        [[ ${l,,} == "$lc"* ]] || continue
        if [ "$prev" = --text ]; then cands+=("$l="); else cands+=("$l"); fi
      done < <(tagquill "${global[@]}" labels "$id" "${actions[@]}" 2>/dev/null)
      [ "$prev" = --text ] && compopt -o nospace 2>/dev/null
      _tagquill_reply "${cands[@]}"
      return ;;
  esac
  if [ -z "$cmd" ]; then
    if [[ $cur == -* ]]; then
      _tagquill_reply $(compgen -W '--profile --no-save --eol --encoding --set --set-int --version --help' -- "$cur")
    else
      _tagquill_reply $(compgen -W 'run show labels reset edit pick commands menu list' -- "$cur")
    fi
  elif [ -z "$id" ]; then
    case $cmd in
      run|show|labels|reset|edit)
        _tagquill_reply $(tagquill commands 2>/dev/null | cut -f1 | grep -- "^$cur") ;;
      list) _tagquill_reply $(compgen -W "$(seq 100 135)" -- "$cur") ;;
    esac
  elif [ "$cmd" = run ] || [ "$cmd" = show ] || [ "$cmd" = labels ]; then
    _tagquill_reply $(compgen -W '--check --uncheck --choose --text --press --pick --ok --cancel
                                  --file --color --font' -- "$cur")
  fi
}
complete -F _tagquill tagquill

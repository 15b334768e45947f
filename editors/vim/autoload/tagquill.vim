" Runs the tagquill filter on a range or the last Visual selection.

function! s:program() abort
  return get(g:, 'tagquill_program', 'tagquill')
endfunction

" Tagquill's own texts (captions, messages) in the buffer's byte encoding;
" the selection itself passes through untouched either way.
function! s:encoding() abort
  return &encoding =~? '^\%(cp932\|sjis\|shift[-_]jis\)$' ? 'cp932' : 'utf-8'
endfunction

" Vim buffers hold LF-separated lines whatever 'fileformat' says.
function! s:argv(args) abort
  return [s:program(), '--eol', 'lf', '--encoding', s:encoding()]
        \ + get(g:, 'tagquill_options', []) + a:args
endfunction

" Runs tagquill with input on stdin; stderr goes to its own file so that it
" never mixes with the text put into the buffer.
function! s:call(args, input) abort
  if !executable(s:program())
    return {'status': -1, 'out': '', 'err': 'tagquill: ' . s:program() . ' is not installed (g:tagquill_program)'}
  endif
  let errfile = tempname()
  let cmd = join(map(s:argv(a:args), 'shellescape(v:val)')) . ' 2>' . shellescape(errfile)
  let out = system(cmd, a:input)
  let status = v:shell_error
  let err = filereadable(errfile) ? readfile(errfile) : []
  call delete(errfile)
  return {'status': status, 'out': out, 'err': join(filter(err, 'v:val !=# ""'), "\n")}
endfunction

function! s:error(msg) abort
  echohl ErrorMsg
  for line in split(a:msg, "\n")
    echomsg line
  endfor
  echohl None
endfunction

" [line1, col1, line2, col2] of the last Visual selection, col2 exclusive
" (the byte just past the last character).
function! s:visual_span() abort
  let [l1, c1] = getpos("'<")[1:2]
  let [l2, c2] = getpos("'>")[1:2]
  let last = getline(l2)
  if c2 > len(last)
    let c2 = len(last) + 1
  elseif &selection !=# 'exclusive'
    let c2 += len(matchstr(last, '\%' . c2 . 'c.'))
  endif
  return [l1, c1, l2, c2]
endfunction

" Replaces lines l1..l2 with the list lines in one change.
function! s:replace_lines(l1, l2, lines) abort
  let have = a:l2 - a:l1 + 1
  let new = empty(a:lines) ? [''] : a:lines
  if len(new) < have
    call deletebufline(bufnr('%'), a:l1 + len(new), a:l2)
  endif
  call setline(a:l1, new[: have - 1])
  if len(new) > have
    call append(a:l1 + have - 1, new[have :])
  endif
endfunction

" mode: 'V' (or Ctrl-V) for whole lines l1..l2, 'v' for the last character-wise
" Visual selection.
function! tagquill#run(l1, l2, mode, args) abort
  if a:mode ==# 'v'
    let [l1, c1, l2, c2] = s:visual_span()
    let lines = getline(l1, l2)
    let head = strpart(lines[0], 0, c1 - 1)
    let tail = strpart(lines[-1], c2 - 1)
    " The end first: on one line the start's offset stays valid.
    let lines[-1] = strpart(lines[-1], 0, c2 - 1)
    let lines[0] = strpart(lines[0], c1 - 1)
    let input = join(lines, "\n")
  else
    let [l1, l2] = [a:l1, a:l2]
    let [head, tail] = ['', '']
    let input = join(getline(l1, l2), "\n") . "\n"
  endif
  let r = s:call(['run'] + a:args, input)
  " Status 3: the text was built, only its settings could not be saved.
  if r.status != 0 && r.status != 3
    call s:error(empty(r.err) ? 'tagquill: failed with status ' . r.status : r.err)
    return 0
  endif
  if !empty(r.err)
    " The dialog's own message boxes, or why nothing was remembered.
    echohl WarningMsg | echomsg r.err | echohl None
  endif
  let out = r.out
  if a:mode !=# 'v' && out =~# "\n$"
    let out = out[: -2]
  endif
  call s:replace_lines(l1, l2, split(head . out . tail, "\n", 1))
  return 1
endfunction

" The dialog (edit) or the HTML menu (pick) as a form on the terminal: the
" lines go through a filter command, which gives the program the terminal;
" its stderr is kept out of the buffer, and a cancel or failure leaves the
" buffer as it was (the program gave the lines back; the change is undone).
function! tagquill#interactive(l1, l2, args) abort
  if !executable(s:program())
    call s:error('tagquill: ' . s:program() . ' is not installed (g:tagquill_program)')
    return 0
  endif
  let errfile = tempname()
  let cmd = join(map(s:argv(a:args), 'shellescape(v:val, 1)')) . ' 2>' . shellescape(errfile, 1)
  let tick = b:changedtick
  execute a:l1 . ',' . a:l2 . '!' . cmd
  let status = v:shell_error
  let err = filereadable(errfile) ? join(filter(readfile(errfile), 'v:val !=# ""'), "\n") : ''
  call delete(errfile)
  redraw!
  if status != 0 && status != 3
    if b:changedtick != tick
      silent undo
    endif
    if !empty(err)
      call s:error(err)
    endif
    return 0
  endif
  if !empty(err)
    echohl WarningMsg | echomsg err | echohl None
  endif
  return 1
endfunction

" A two-address range that is exactly the last character-wise Visual
" selection is taken to be it ('<,'> as ':' from Visual mode gives).
function! tagquill#command(l1, l2, range, args) abort
  let mode = 'V'
  if a:range == 2 && a:l1 == line("'<") && a:l2 == line("'>") && visualmode() ==# 'v'
    let mode = 'v'
  endif
  call tagquill#run(a:l1, a:l2, mode, a:args)
endfunction

" Asks for the id and the field actions (the <Plug>(tagquill) mappings):
" mode '' for the cursor line, else the last Visual selection's mode.
function! tagquill#prompt(mode) abort
  let line = input('Tagquill ', '', 'customlist,tagquill#complete_input')
  if line =~# '^\s*$'
    return
  endif
  let args = map(split(line, '\%(\\\)\@<!\s\+'), 'substitute(v:val, ''\\\(\s\)'', ''\1'', ''g'')')
  if a:mode ==# ''
    call tagquill#run(line('.'), line('.'), 'V', args)
  else
    call tagquill#run(line("'<"), line("'>"), a:mode, args)
  endif
endfunction

" id -> caption, read once per session.
function! tagquill#commands() abort
  if !exists('s:commands')
    let r = s:call(['commands'], '')
    if r.status != 0
      call s:error(r.err)
      return {}
    endif
    let s:commands = {}
    for line in split(r.out, "\n")
      let [id, caption] = split(line, "\t", 1)[0:1]
      let s:commands[id] = substitute(caption, '&\(.\)', '\1', 'g')
    endfor
  endif
  return s:commands
endfunction

let s:actions = ['--check', '--uncheck', '--choose', '--text', '--press', '--pick',
      \ '--ok', '--cancel', '--file', '--color', '--font']
let s:labelled = ['--check', '--uncheck', '--choose', '--press', '--text']

function! s:escape(word) abort
  return escape(a:word, " \t\\")
endfunction

" Completes the id (by number or by any part of its caption), then field
" actions and the labels of the dialog the actions so far have reached.
function! tagquill#complete(lead, cmdline, pos) abort
  " Drop the range and the command name.
  let line = substitute(a:cmdline[: a:pos - 1], '^[^A-Za-z]*\u\a*!\=\s\+', '', '')
  let words = split(line, '\%(\\\)\@<!\s\+', 1)
  let before = map(words[: -2], 'substitute(v:val, ''\\\(\s\)'', ''\1'', ''g'')')
  if empty(before)
    let cmds = tagquill#commands()
    let ids = filter(keys(cmds), 'stridx(v:val, a:lead) == 0 || stridx(tolower(cmds[v:val]), tolower(a:lead)) >= 0')
    return sort(ids)
  endif
  let prev = before[-1]
  if index(s:labelled, prev) >= 0
    " The label word so far has its backslashes still in place.
    let args = before[:-2]
    let r = s:call(['labels'] + args, '')
    if r.status != 0
      return []
    endif
    let suffix = prev ==# '--text' ? '=' : ''
    let lead = substitute(a:lead, '\\\(.\)', '\1', 'g')
    let labels = filter(split(r.out, "\n"), 'stridx(tolower(v:val), tolower(lead)) == 0')
    return map(labels, 's:escape(v:val) . suffix')
  endif
  if index(['--file'], prev) >= 0
    return map(getcompletion(a:lead, 'file'), 's:escape(v:val)')
  endif
  return filter(copy(s:actions), 'stridx(v:val, a:lead) == 0')
endfunction

function! tagquill#complete_input(lead, line, pos) abort
  return tagquill#complete(a:lead, 'Tagquill ' . a:line, a:pos + 9)
endfunction

" Menu names: '.' separates levels and a blank ends the name.
function! s:menu_name(caption) abort
  return escape(a:caption, ' .\|')
endfunction

" The HTML menu from 'tagquill menu': submenus, separators and items, each
" running its command on the current line or the Visual selection.
function! tagquill#menu() abort
  let root = get(g:, 'tagquill_menu_name', 'HTML')
  let r = s:call(['menu'], '')
  if r.status != 0
    call s:error(r.err)
    return
  endif
  silent! execute 'aunmenu' root
  let [sub, sep] = ['', 0]
  for line in split(r.out, "\n")
    let indented = line =~# '^    '
    let text = substitute(line, '^    ', '', '')
    if !indented
      let sub = ''
    endif
    let path = root . '.' . (indented ? sub . '.' : '')
    if text ==# '----'
      let sep += 1
      execute 'anoremenu <silent>' path . '-sep' . sep . '-' '<Nop>'
    elseif text =~# "\t"
      let [caption, id] = split(text, "\t")
      execute 'nnoremenu <silent>' path . s:menu_name(caption) ':Tagquill' id . '<CR>'
      execute 'xnoremenu <silent>' path . s:menu_name(caption)
            \ ':<C-U>call tagquill#run(line("''<"), line("''>"), visualmode(), [' . string(id) . '])<CR>'
    else
      let sub = s:menu_name(text)
    endif
  endfor
endfunction

" Tagquill: HTML tags and attribute dialogs through the tagquill filter.
" Commands:  :[range]Tagquill ID [field actions]   :TagquillMenu
"            :[range]TagquillEdit ID   :[range]TagquillPick   (forms on the terminal)
if exists('g:loaded_tagquill') || &compatible
  finish
endif
let g:loaded_tagquill = 1

" From Visual mode ':' gives '<,'>; a character-wise selection is then taken
" as it was selected rather than as whole lines.
command! -range -nargs=+ -complete=customlist,tagquill#complete Tagquill
      \ call tagquill#command(<line1>, <line2>, <range>, [<f-args>])
command! -bar TagquillMenu call tagquill#menu()
command! -range -nargs=1 -complete=customlist,tagquill#complete TagquillEdit
      \ call tagquill#interactive(<line1>, <line2>, ['edit', <f-args>])
command! -range -nargs=0 TagquillPick call tagquill#interactive(<line1>, <line2>, ['pick'])

xnoremap <silent> <Plug>(tagquill) :<C-U>call tagquill#prompt(visualmode())<CR>
nnoremap <silent> <Plug>(tagquill) :<C-U>call tagquill#prompt('')<CR>

" The menu costs a process start, so only a GUI builds it by itself.
if get(g:, 'tagquill_menu', 1) && has('menu')
  if has('gui_running')
    call tagquill#menu()
  else
    augroup tagquill
      autocmd!
      autocmd GUIEnter * call tagquill#menu()
    augroup END
  endif
endif

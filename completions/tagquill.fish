# fish completion for tagquill(1)

# Sets __tq_cmd (the subcommand), __tq_id, __tq_global (the options before
# the id) and __tq_actions (the field actions after it, for `tagquill
# labels`) from the words before the cursor.
function __tagquill_parse
    set -l words (commandline -opc)
    set -e words[1]
    set -g __tq_cmd; set -g __tq_id; set -g __tq_global; set -g __tq_actions
    set -l cmd; set -l id; set -l global; set -l actions
    while set -q words[1]
        set -l w $words[1]
        set -e words[1]
        switch $w
            case --profile --encoding --eol --set --set-int
                if test -z "$id"
                    set -a global $w $words[1]
                else
                    set -a actions $w $words[1]
                end
                set -e words[1]
            case --check --uncheck --choose --text --press --pick --file --color --font
                if set -q words[1]
                    set -a actions $w $words[1]
                    set -e words[1]
                end
            case '-*'
                test -n "$id"; and set -a actions $w
            case '*'
                if test -z "$cmd"
                    set cmd $w
                else if test -z "$id"
                    set id $w
                end
        end
    end
    set __tq_cmd $cmd; set __tq_id $id; set __tq_global $global; set __tq_actions $actions
end

function __tagquill_state -a want
    __tagquill_parse
    switch $want
        case none
            test -z "$__tq_cmd"
        case id
            contains -- "$__tq_cmd" run show labels reset edit; and test -z "$__tq_id"
        case list
            test "$__tq_cmd" = list; and test -z "$__tq_id"
        case actions
            contains -- "$__tq_cmd" run show labels; and test -n "$__tq_id"
    end
end

function __tagquill_labels
    __tagquill_parse
    test -n "$__tq_id"; or return
    set -l suffix ''
    test (commandline -opc)[-1] = --text; and set suffix =
    for l in (tagquill $__tq_global labels $__tq_id $__tq_actions 2>/dev/null)
        echo $l$suffix
    end
end

complete -c tagquill -f
complete -c tagquill -n '__tagquill_state none' -a run -d 'run a command on stdin'
complete -c tagquill -n '__tagquill_state none' -a show -d 'describe the dialog'
complete -c tagquill -n '__tagquill_state none' -a labels -d "list the dialog's labels"
complete -c tagquill -n '__tagquill_state none' -a reset -d 'forget remembered values'
complete -c tagquill -n '__tagquill_state none' -a edit -d 'the dialog on the terminal'
complete -c tagquill -n '__tagquill_state none' -a pick -d 'the HTML menu on the terminal'
complete -c tagquill -n '__tagquill_state none' -a commands -d 'list the tag commands'
complete -c tagquill -n '__tagquill_state none' -a menu -d 'print the HTML menu'
complete -c tagquill -n '__tagquill_state none' -a list -d 'print a value list'
complete -c tagquill -n '__tagquill_state none' -l profile -rF -d 'settings file'
complete -c tagquill -n '__tagquill_state none' -l no-save -d 'leave the profile as it was'
complete -c tagquill -n '__tagquill_state none' -l eol -x -a 'crlf lf auto' -d 'line breaks of the built text'
complete -c tagquill -n '__tagquill_state none' -l encoding -x -a 'utf-8 cp932' -d "encoding of the program's own texts"
complete -c tagquill -n '__tagquill_state none' -l set -x -d 'write a string value NAME=VALUE'
complete -c tagquill -n '__tagquill_state none' -l set-int -x -d 'write an integer value NAME=N'
complete -c tagquill -n '__tagquill_state none' -l version -d 'print the version'
complete -c tagquill -n '__tagquill_state none' -s h -l help -d 'print usage'

# `tagquill commands` is already "id<TAB>caption", as fish wants it; the
# captions lose their shortcut marks.
complete -c tagquill -n '__tagquill_state id' -x -a '(tagquill commands 2>/dev/null | string replace -a "&" "")'
complete -c tagquill -n '__tagquill_state list' -x -a '(seq 100 135)'

complete -c tagquill -n '__tagquill_state actions' -l check -x -a '(__tagquill_labels)' -d 'check a check box'
complete -c tagquill -n '__tagquill_state actions' -l uncheck -x -a '(__tagquill_labels)' -d 'clear a check box'
complete -c tagquill -n '__tagquill_state actions' -l choose -x -a '(__tagquill_labels)' -d 'select a radio button'
complete -c tagquill -n '__tagquill_state actions' -l text -x -a '(__tagquill_labels)' -d 'type into an edit box'
complete -c tagquill -n '__tagquill_state actions' -l press -x -a '(__tagquill_labels)' -d 'press a button'
complete -c tagquill -n '__tagquill_state actions' -l pick -x -d 'choose a list entry'
complete -c tagquill -n '__tagquill_state actions' -l ok -d 'press OK in the innermost dialog'
complete -c tagquill -n '__tagquill_state actions' -l cancel -d 'press Cancel in the innermost dialog'
complete -c tagquill -n '__tagquill_state actions' -l file -rF -d 'answer the next file dialog'
complete -c tagquill -n '__tagquill_state actions' -l color -x -d 'answer the next colour dialog'
complete -c tagquill -n '__tagquill_state actions' -l font -x -d 'answer the next font dialog'

;;; tagquill.el --- HTML tags and attribute dialogs through the tagquill filter  -*- lexical-binding: t; -*-

;; Copyright (C) 2026 Brambleware

;; Author: Brambleware
;; Version: 1.0.141
;; Package-Requires: ((emacs "25.1"))
;; Keywords: html, wp, tools

;; This file is not part of GNU Emacs.

;;; Commentary:

;; `tagquill-run' runs one tag command of the tagquill(1) filter on the
;; region (or, without an active region, the current line) and puts the
;; result in its place:
;;
;;   M-x tagquill-run RET 29021 RET          wrap the region in <H1>...</H1>
;;   C-u M-x tagquill-run RET 29111 RET --check LANG --text LANG=ja RET
;;
;; `tagquill-edit' and `tagquill-pick' open the command's dialog, or the
;; HTML menu, as a form in a `term' buffer.
;;
;; The id is read with completion over every tag command and its caption;
;; with a prefix argument the field actions of tagquill(1) are read too.
;; On failure the filter's message is shown and the buffer is left as it
;; was.  Text goes to and from the filter as UTF-8 (with `--encoding
;; utf-8'), whatever the buffer's file coding, so Shift-JIS files work as
;; well: Emacs converts when it saves them.

;;; Code:

(require 'subr-x)

(declare-function make-term "term")
(declare-function term-char-mode "term")

(defgroup tagquill nil
  "HTML tags and attribute dialogs through the tagquill filter."
  :group 'html
  :prefix "tagquill-")

(defcustom tagquill-program "tagquill"
  "The tagquill filter to run."
  :type 'string)

(defcustom tagquill-options nil
  "Extra options given to every run, e.g. (\"--no-save\")."
  :type '(repeat string))

(defvar tagquill--commands nil
  "Alist of (ID . CAPTION) from \"tagquill commands\", read once.")

(defvar tagquill-history nil
  "Ids given to `tagquill-run'.")

(defvar tagquill-actions-history nil
  "Field actions given to `tagquill-run'.")

(defun tagquill--call (args &optional input)
  "Run the filter with ARGS and INPUT on stdin.
Return (STATUS STDOUT STDERR); stderr is kept apart in a file so that it
never mixes with the text that goes into the buffer."
  (let ((errfile (make-temp-file "tagquill"))
        (coding-system-for-read 'utf-8-unix)
        (coding-system-for-write 'utf-8-unix)
        (argv (append (list "--eol" "lf" "--encoding" "utf-8") tagquill-options args)))
    (unwind-protect
        (with-temp-buffer
          (when input (insert input))
          (let ((status (condition-case err
                            (apply #'call-process-region (point-min) (point-max)
                                   tagquill-program t (list t errfile) nil argv)
                          (file-missing (list 'missing (error-message-string err))))))
            (list status
                  (buffer-string)
                  (if (consp status)
                      (format "tagquill: cannot run %s (%s)" tagquill-program (cadr status))
                    (with-temp-buffer
                      (let ((coding-system-for-read 'utf-8-unix))
                        (insert-file-contents errfile))
                      (string-trim (buffer-string)))))))
      (delete-file errfile))))

(defun tagquill--failed (status)
  "Non-nil when STATUS of `call-process-region' means nothing was built.
Status 3 means the text was built and only its settings were not saved."
  (not (memq status '(0 3))))

(defun tagquill-commands ()
  "Alist of (ID . CAPTION) for every tag command."
  (or tagquill--commands
      (pcase-let ((`(,status ,out ,err) (tagquill--call '("commands"))))
        (when (tagquill--failed status)
          (user-error "%s" (if (string= err "") "tagquill commands failed" err)))
        (setq tagquill--commands
              (mapcar (lambda (line)
                        (let ((f (split-string line "\t")))
                          (cons (car f) (replace-regexp-in-string "&\\(.\\)" "\\1" (cadr f)))))
                      (split-string out "\n" t))))))

(defun tagquill-read-id ()
  "Read a tag command id with completion over ids and captions."
  (let* ((cmds (tagquill-commands))
         (choices (mapcar (lambda (c) (concat (car c) " " (cdr c))) cmds))
         (answer (completing-read "Tagquill command: " choices nil nil nil 'tagquill-history)))
    (cond ((string-match "\\`\\s-*\\([-0-9]+\\)\\(\\s-\\|\\'\\)" answer) (match-string 1 answer))
          ((car (rassoc answer cmds)))
          ;; Anything else goes to the filter as typed, for its own answer.
          (t (string-trim answer)))))

;;;###autoload
(defun tagquill-run (start end id &optional actions)
  "Run tag command ID of tagquill on the text from START to END.
Interactively: the region, or the current line with its line break when
no region is active; with a prefix argument, also read the field ACTIONS
\(a string of tagquill options such as \"--check LANG --text LANG=ja\", or a
list of strings).  The result replaces the text; on failure the text stays
as it was and the filter's message is signalled as a `user-error'."
  (interactive
   (let ((span (if (use-region-p)
                   (list (region-beginning) (region-end))
                 (list (line-beginning-position)
                       (min (point-max) (1+ (line-end-position)))))))
     (append span
             (list (tagquill-read-id)
                   (and current-prefix-arg
                        (read-string "Field actions: " nil 'tagquill-actions-history))))))
  (let* ((acts (if (stringp actions) (split-string-and-unquote actions) actions))
         (text (buffer-substring-no-properties start end)))
    (pcase-let ((`(,status ,out ,err) (tagquill--call (append (list "run" id) acts) text)))
      (when (tagquill--failed status)
        (user-error "%s" (if (string= err "") (format "tagquill failed (%s)" status) err)))
      (unless (string= err "")
        ;; The dialog's own message boxes, or why nothing was remembered.
        (message "%s" err))
      (unless (string= out text)
        (save-excursion
          (goto-char start)
          (delete-region start end)
          (insert out)))
      out)))

(defun tagquill--interactive (start end args)
  "Run tagquill ARGS (edit ID, or pick) as a form on the text START..END.
The form needs a terminal of its own, which `call-process' does not give:
it runs in a `term' buffer (a pty), with the text going through files, and
the result replaces the text when the form closes."
  (require 'term)
  (let* ((in (make-temp-file "tagquill-in"))
         (out (make-temp-file "tagquill-out"))
         (err (make-temp-file "tagquill-err"))
         (buffer (current-buffer))
         (from (copy-marker start))
         (to (copy-marker end t))
         (window-config (current-window-configuration))
         (argv (append (list "--eol" "lf" "--encoding" "utf-8") tagquill-options args))
         (coding-system-for-write 'utf-8-unix))
    (write-region start end in nil 'silent)
    (let* ((command (format "%s < %s > %s 2> %s"
                            (mapconcat #'shell-quote-argument (cons tagquill-program argv) " ")
                            (shell-quote-argument in) (shell-quote-argument out)
                            (shell-quote-argument err)))
           (term-buffer (make-term "tagquill" "/bin/sh" nil "-c" command)))
      (switch-to-buffer term-buffer)
      (delete-other-windows)
      (term-char-mode)
      (set-process-sentinel
       (get-buffer-process term-buffer)
       (lambda (process _event)
         (unless (process-live-p process)
           (let ((status (process-exit-status process))
                 (text (with-temp-buffer
                         (let ((coding-system-for-read 'utf-8-unix)) (insert-file-contents out))
                         (buffer-string)))
                 (message (with-temp-buffer
                            (let ((coding-system-for-read 'utf-8-unix)) (insert-file-contents err))
                            (string-trim (buffer-string)))))
             (mapc #'delete-file (list in out err))
             (kill-buffer (process-buffer process))
             (set-window-configuration window-config)
             (with-current-buffer buffer
               (cond ((tagquill--failed status)
                      (unless (string= message "") (message "%s" message)))
                     (t
                      (unless (string= message "") (message "%s" message))
                      (unless (string= text (buffer-substring-no-properties from to))
                        (save-excursion
                          (goto-char from)
                          (delete-region from to)
                          (insert text))))))
             (set-marker from nil)
             (set-marker to nil))))))))

(defun tagquill--span ()
  "The region, or the current line with its line break."
  (if (use-region-p)
      (list (region-beginning) (region-end))
    (list (line-beginning-position) (min (point-max) (1+ (line-end-position))))))

;;;###autoload
(defun tagquill-edit (start end id)
  "Open the dialog of tag command ID as a form on the text START..END.
Interactively the region, or the current line.  OK in the form puts the
built text in place; Esc leaves the text as it was (ESC ESC in a terminal
frame, where Emacs reads a lone ESC as a prefix)."
  (interactive (append (tagquill--span) (list (tagquill-read-id))))
  (tagquill--interactive start end (list "edit" id)))

;;;###autoload
(defun tagquill-pick (start end)
  "Open the HTML menu as a form and run the command picked on START..END."
  (interactive (tagquill--span))
  (tagquill--interactive start end (list "pick")))

(provide 'tagquill)

;;; tagquill.el ends here

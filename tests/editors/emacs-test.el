;;; emacs-test.el --- tagquill.el driven in batch mode  -*- lexical-binding: t; -*-
;; Run by emacs-test.sh: the ids are typed on stdin, as the minibuffer reads
;; them in batch mode.
(require 'tagquill)
(setq tagquill-program (getenv "TQ"))
(transient-mark-mode 1)
(defvar tq-failed nil)
(defun tq-check (name want got)
  (unless (equal want got)
    (setq tq-failed t)
    (message "FAIL %s: expected %S got %S" name want got)))
(defun tq-type-id (start end)
  "Select START..END and run M-x tagquill-run; the id comes from stdin."
  (goto-char start)
  (push-mark end t t)
  (condition-case err
      (progn (call-interactively #'tagquill-run) nil)
    (user-error (error-message-string err))))

(with-temp-buffer
  (insert "abc\nnext\n")
  ;; A bad id: the text stays, the filter's message is the error.
  (let ((msg (tq-type-id 1 5)))
    (tq-check "bad id keeps the text" "abc\nnext\n" (buffer-string))
    (tq-check "bad id message" t (and msg (string-match-p "\\`tagquill: .*nope" msg) t)))
  ;; The line with its line break, as a line-wise selection.
  (buffer-enable-undo)
  (tq-check "h1 no error" nil (tq-type-id 1 5))
  (tq-check "h1" "<H1>abc</H1>\nnext\n" (buffer-string))
  (deactivate-mark)
  (undo-boundary)
  (undo)
  (tq-check "one undo" "abc\nnext\n" (buffer-string))
  ;; Caption completion: the caption alone names the command.
  (tq-check "caption to id" "29021" (car (rassoc "見出し<H1>" (tagquill-commands)))))
(kill-emacs (if tq-failed 1 0))

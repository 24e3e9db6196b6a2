; A whole-line comment
x = 1 ; a comment after code
  ;indented comment with "quotes" and #Constants and 42
s$ = "a ; inside a string" ; the comment starts here
;; doubled;;semicolons
y = 2;no blank before
;

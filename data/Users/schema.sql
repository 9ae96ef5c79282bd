-- The login database: one row per permitted user, written by tools/gendata (users).
-- It holds one demonstration row only (user "guest", empty password), no real account.
CREATE TABLE MemberInfo (
  UserName TEXT COLLATE NOCASE,
  Password TEXT
);
